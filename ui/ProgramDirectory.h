#pragma once

#include <string>

namespace lumet {

// The directory that holds the running program, with a trailing separator; empty
// when the system cannot tell. The mail hand-off attaches the report from there.
std::string LocateProgramDirectory();

} // namespace lumet
