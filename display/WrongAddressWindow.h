#pragma once

namespace lumet {

// What the wrong-address banner needs of the main window besides its surface.
class WrongAddressWindow {
public:
    virtual ~WrongAddressWindow() = default;

    // Disables the address field and has it repaint itself into the window surface at
    // once, before the banner is laid over it.
    virtual void DisableAddressField() = 0;
    // The simple warning beep.
    virtual void Beep() = 0;
};

} // namespace lumet
