#pragma once

#include <string>

namespace lumet {

// What target resolution needs of the window: its address field, and a word to
// the user when the local host's address for the reports cannot be found.
class AddressFieldView {
public:
    virtual ~AddressFieldView() = default;

    // The wrong-address banner with a beep; it also disables the address field.
    virtual void ShowWrongAddress() = 0;

    // Re-lays the address field for a dotted address and shows it there.
    virtual void ShowResolvedAddress(const std::string& dottedAddress) = 0;

    // The local host's name could not be read (hostName empty), or has no address.
    virtual void ShowLocalAddressUnknown(const std::string& hostName) = 0;
};

} // namespace lumet
