#pragma once

#include "platform/gdi/Point.h"
#include "platform/window/Cursor.h"
#include "res/ResourceIds.h"
#include "ui/AddressEdit.h"
#include "ui/AddressZoneHost.h"

#include <optional>

namespace lumet {

class DialogWindow;

// The dialog's side of the address field: `addressEntryMode`, putting the idle
// display and the address back on the screen, and the hand cursor that marks where a
// double-click opens the address for typing. The dialog owns one and routes its
// WM_SETCURSOR here.
class AddressZone {
public:
    static constexpr Point kDisplayOrigin{6, 30};
    static constexpr int kDisplayWidth = 320;
    static constexpr int kDisplayHeight = 80;
    static constexpr int kZoneCursor = ResourceId::kTypingHandCursor;

    AddressZone(DialogWindow& window, AddressEdit& field, AddressZoneHost& host);

    // `addressEntryMode`: the user is editing the address after a double-click on the
    // display area; the overlay pass then draws nothing.
    bool AddressEntryMode() const { return addressEntryMode_; }
    void SetAddressEntryMode(bool on) { addressEntryMode_ = on; }

    // Copies the display snapshot to the display area, refills the controls from the
    // dialog's values and has the address field draw its text over the restored
    // background at once. The field ends disabled.
    void RestoreDisplayArea();

    // The dialog's WM_SETCURSOR at a client point: cursor 162 over the address zone
    // while no test runs and the settings panel is closed. Returns true when it set
    // the cursor; otherwise the default handling applies.
    bool OnSetCursor(Point client);

    // Strictly inside x 20 … 300, y 65 … 100.
    static bool InZone(Point client);

    // Where a left double-click opens the address field: the display's lower part,
    // client columns 2-319 and rows 63-111, wider than the hand cursor's zone.
    static bool InEntryArea(Point client);

private:
    DialogWindow& window_;
    AddressEdit& field_;
    AddressZoneHost& host_;
    bool addressEntryMode_ = false;
    std::optional<Cursor> cursor_;
};

} // namespace lumet
