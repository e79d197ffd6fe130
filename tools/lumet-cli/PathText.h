#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lumet::cli {

// Paths as the text lumet-cli takes on its command line and prints: the bytes of
// the name on Linux, whatever their encoding; UTF-8 on Windows, whose paths are
// UTF-16, so that no name is bent to fit a code page.
std::string PathText(const std::filesystem::path& path);
std::filesystem::path PathFromText(std::string_view text);

} // namespace lumet::cli
