#pragma once

#include <filesystem>

namespace lumet {

// The running program's file; empty when the system cannot tell.
std::filesystem::path ProgramFile();

} // namespace lumet
