#pragma once

#include "platform/window/Beep.h"

namespace lumet {

// Plays the desktop's bell through QApplication::beep.
class QtBeep final : public Beep {
public:
    void Play() override;
};

} // namespace lumet
