#pragma once

#include "pingtest/TestState.h"
#include "platform/gdi/DeviceContext.h"

namespace lumet {

// What AddressZone needs of the dialog besides its window and the address field.
class AddressZoneHost {
public:
    virtual ~AddressZoneHost() = default;

    // The 320 × 80 display snapshot buffer: the display area as the first paint left
    // it, before the address was filled in.
    virtual const DeviceContext& DisplaySnapshot() const = 0;

    // The dialog's data exchange towards the controls: `addressText` into the address
    // field, the six settings values into their fields.
    virtual void UpdateControls() = 0;

    virtual bool SettingsPanelOpen() const = 0;

    virtual TestState CurrentTestState() const = 0;
};

} // namespace lumet
