#pragma once

#include <filesystem>
#include <string>

namespace lumet {

// The application's name: the executable's file name without its extension. It is
// the caption of the application's own message boxes and names the settings'
// profile. An executable path without a file name gives "lumet".
std::string ApplicationName(const std::filesystem::path& executable);

} // namespace lumet
