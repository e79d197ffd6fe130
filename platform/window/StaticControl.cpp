#include "platform/window/StaticControl.h"

namespace lumet {

void StaticControl::OnLeftButtonDown(Point point) {
    static_cast<void>(point);
    if (notify_) {
        Notify(Notification::Clicked);
    }
}

void StaticControl::OnLeftButtonDoubleClick(Point point) {
    static_cast<void>(point);
    if (notify_) {
        Notify(Notification::DoubleClicked);
    }
}

void StaticControl::Paint(DeviceContext& dc, const ControlColors& colors) {
    static_cast<void>(dc);
    static_cast<void>(colors);
}

} // namespace lumet
