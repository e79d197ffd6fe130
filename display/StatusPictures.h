#pragma once

#include "pingtest/TestView.h"
#include "platform/gdi/Bitmap.h"

#include <array>

namespace lumet {

// The status line's pictures, decoded once: every test tick draws one of them, and
// reading a picture from the resources costs more than the rest of the refresh.
class StatusPictures {
public:
    // A picture that cannot be read stays null and draws nothing.
    static StatusPictures Load();

    // The mode's caption, or nullptr for a value that names no mode.
    const Bitmap* Caption(StatusPicture mode) const;
    // The boxed E shown before a failed probe's status text.
    const Bitmap& ErrorIcon() const { return errorIcon_; }

private:
    std::array<Bitmap, 6> captions_;
    Bitmap errorIcon_;
};

} // namespace lumet
