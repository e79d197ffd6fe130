#pragma once

#include "platform/window/Control.h"

namespace lumet {

// A static control of bitmap type without a picture: it draws nothing, so the skin
// below shows through. With notify it takes mouse clicks and tells the dialog
// (Clicked on a button press, DoubleClicked on a double-click); without, the mouse
// goes through it to the dialog.
class StaticControl : public Control {
public:
    StaticControl(int id, const Rect& rect, bool notify, ControlStyle style = {})
        : Control(id, rect, style), notify_(notify) {}

    ControlKind Kind() const override { return ControlKind::Static; }
    bool IsNotify() const { return notify_; }

    void OnLeftButtonDown(Point point) override;
    void OnLeftButtonDoubleClick(Point point) override;

protected:
    void Paint(DeviceContext& dc, const ControlColors& colors) override;
    bool TakesMouse() const override { return notify_; }

private:
    bool notify_;
};

} // namespace lumet
