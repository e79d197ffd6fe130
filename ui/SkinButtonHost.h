#pragma once

#include "pingtest/TestState.h"
#include "platform/gdi/DeviceContext.h"

namespace lumet {

// What a SkinButton needs of its dialog besides the window it lives in.
class SkinButtonHost {
public:
    virtual ~SkinButtonHost() = default;

    // The 320 × 54 hover backdrop buffer: the display area's lower band (client
    // (6, 56)) as CaptureDisplayArea last took it.
    virtual const DeviceContext& HoverBackdrop() const = 0;

    virtual TestState CurrentTestState() const = 0;

    // The settings or about panel lies over the display area, or the user is typing
    // an address there. A hover word must not be drawn over either.
    virtual bool DisplayAreaCovered() const = 0;
};

} // namespace lumet
