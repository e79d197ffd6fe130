#include "platform/window/BitmapButton.h"

#include "platform/window/DialogWindow.h"

namespace lumet {

BitmapButton::BitmapButton(int id, const Rect& rect, std::string caption, ControlStyle style)
    : Control(id, rect, style), caption_(std::move(caption)) {}

bool BitmapButton::AutoLoad() {
    if (!LoadBitmaps(caption_ + "U", caption_ + "D", caption_ + "F", caption_ + "X")) {
        return false;
    }
    SizeToContent();
    return true;
}

bool BitmapButton::LoadBitmaps(const std::string& up, const std::string& down,
                               const std::string& focus, const std::string& disabled) {
    const DialogWindow* const window = Window();
    if (window == nullptr) {
        return false;
    }
    const auto load = [window](const std::string& name) {
        return name.empty() ? Bitmap() : window->LoadFace(name);
    };
    Bitmap upFace = load(up);
    if (upFace.IsNull()) {
        return false;
    }
    // One after the other, in the framework's order.
    Bitmap downFace = load(down);
    Bitmap focusFace = load(focus);
    Bitmap disabledFace = load(disabled);
    faces_ = ButtonFaces(std::move(upFace), std::move(downFace), std::move(focusFace),
                         std::move(disabledFace));
    return true;
}

void BitmapButton::SizeToContent() {
    const Bitmap& up = faces_.Get(ButtonFace::Up);
    if (up.IsNull()) {
        return;
    }
    const Rect& rect = WindowRect();
    MoveWindow(Rect{rect.left, rect.top, rect.left + up.Width(), rect.top + up.Height()});
}

void BitmapButton::Paint(DeviceContext& dc, const ControlColors& colors) {
    static_cast<void>(colors);
    const Bitmap& face = faces_.Get(CurrentFace());
    if (face.IsNull()) {
        return;
    }
    const DeviceContext source(face);
    const Rect& rect = WindowRect();
    dc.BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), source, 0, 0, Rop::SrcCopy);
}

void BitmapButton::SetPushed(bool pushed) {
    if (pushed == pushed_) {
        return;
    }
    pushed_ = pushed;
    Invalidate();
    SendPaint();
}

void BitmapButton::OnLeftButtonDown(Point point) {
    static_cast<void>(point);
    SetCapture();
    SetFocus();
    tracking_ = true;
    SetPushed(true);
}

void BitmapButton::OnMouseMove(Point point) {
    if (IsLeftButtonDown() && HasCapture()) {
        SetPushed(ClientRect().Contains(point.x, point.y));
    }
}

void BitmapButton::OnLeftButtonUp(Point point) {
    Release(ClientRect().Contains(point.x, point.y));
}

void BitmapButton::Release(bool inside) {
    if (!tracking_) {
        return;
    }
    tracking_ = false;
    if (!pushed_) {
        ReleaseCapture();
        return;
    }
    SetPushed(false);
    ReleaseCapture();
    if (inside) {
        Notify(Notification::Clicked);
    }
}

void BitmapButton::OnLeftButtonDoubleClick(Point point) {
    static_cast<void>(point);
    Notify(Notification::DoubleClicked);
}

void BitmapButton::OnKeyDown(const InputMessage& message) {
    if (message.key != Key::Space) {
        return;
    }
    SetPushed(true);
    tracking_ = true;
    SetCapture();
}

void BitmapButton::OnKeyUp(const InputMessage& message) {
    if (message.key == Key::Space) {
        Release(true);
    }
}

void BitmapButton::OnSetFocus() {
    if (Faces().Has(ButtonFace::Focus)) {
        Invalidate();
        SendPaint();
    }
}

void BitmapButton::OnKillFocus() {
    if (tracking_ && HasCapture()) {
        ReleaseCapture();
    }
    Invalidate();
}

void BitmapButton::OnCaptureChanged() {
    if (tracking_) {
        tracking_ = false;
        SetPushed(false);
    }
}

} // namespace lumet
