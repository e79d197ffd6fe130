#pragma once

#include <string>
#include <string_view>

namespace lumet::cli {

// Text from list files, targets and arguments as it may safely reach a terminal:
// printable ASCII stays, every other byte becomes \xNN. An escape sequence hidden in
// a list entry could otherwise move the cursor, retitle the window or clear the
// screen; bytes above 0x7E go too, since C1 controls such as 0x9B act like ESC [
// on some terminals, and no host name needs them.
std::string Printable(std::string_view text);

// The message for a target that is neither a host name that resolves nor a dotted
// address.
std::string WrongAddressMessage(std::string_view target);

} // namespace lumet::cli
