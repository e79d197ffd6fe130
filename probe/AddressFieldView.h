#pragma once

#include <string>

namespace lumet {

// What target resolution needs of the window's address field.
class AddressFieldView {
public:
    virtual ~AddressFieldView() = default;

    // The wrong-address banner with a beep; it also disables the address field.
    virtual void ShowWrongAddress() = 0;

    // Re-lays the address field for a dotted address and shows it there.
    virtual void ShowResolvedAddress(const std::string& dottedAddress) = 0;
};

} // namespace lumet
