#pragma once

#include "platform/window/Beep.h"

namespace lumet {

// Plays the system's default sound through MessageBeep.
class Win32Beep final : public Beep {
public:
    void Play() override;
};

} // namespace lumet
