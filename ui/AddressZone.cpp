#include "ui/AddressZone.h"

#include "platform/window/ClientDc.h"
#include "platform/window/DialogWindow.h"
#include "ui/CursorResource.h"

namespace lumet {

AddressZone::AddressZone(DialogWindow& window, AddressEdit& field, AddressZoneHost& host)
    : window_(window), field_(field), host_(host) {}

void AddressZone::RestoreDisplayArea() {
    {
        ClientDc dc(window_);
        dc->BitBlt(kDisplayOrigin.x, kDisplayOrigin.y, kDisplayWidth, kDisplayHeight,
                   host_.DisplaySnapshot(), 0, 0, Rop::SrcCopy);
    }
    field_.EnableWindow(false);
    host_.UpdateControls();
    // Setting the text re-lays the field out, which enables and focuses it; left so, it
    // would take keys until the next overlay pass. Callers that want it open (address
    // entry) enable it themselves.
    field_.EnableWindow(false);
    // The copy above covered the field without invalidating it.
    field_.Invalidate();
    field_.SendPaint();
}

bool AddressZone::OnSetCursor(Point client) {
    if (host_.SettingsPanelOpen() || host_.CurrentTestState() != TestState::Idle ||
        !InZone(client)) {
        return false;
    }
    if (!cursor_) {
        cursor_ = LoadCursorResource(kZoneCursor);
    }
    window_.SetCursor(*cursor_);
    return true;
}

bool AddressZone::InEntryArea(Point client) {
    return client.x >= 2 && client.x <= 319 && client.y >= 63 && client.y <= 111;
}

bool AddressZone::InZone(Point client) {
    return client.y > 65 && client.y < 100 && client.x > 20 && client.x < 300;
}

} // namespace lumet
