#pragma once

#include <string>
#include <vector>

namespace lumet::cli {

// The arguments of a Windows command line after the program's name, split as
// programs split it, in UTF-8: main's char arguments are in the ANSI code page,
// which cannot hold every file name.
std::vector<std::string> Utf8Arguments(const wchar_t* commandLine);

} // namespace lumet::cli
