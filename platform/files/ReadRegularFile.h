#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace lumet {

// The contents of a regular file of at most maxBytes. Nothing when the path names
// anything else (a FIFO, a device or a directory would keep the caller waiting or
// reading forever), is larger, or cannot be opened or read; `why`, when given, then
// says which, in words a message can show. A file that grows while it is read is
// cut at maxBytes.
std::optional<std::string> ReadRegularFile(const std::filesystem::path& path,
                                           std::uintmax_t maxBytes, std::string* why = nullptr);

} // namespace lumet
