#include "platform/window/Control.h"

#include "platform/events/TimerSet.h"
#include "platform/window/DialogWindow.h"

#include <algorithm>

namespace lumet {

namespace {

const InputMessage kNoMessage{};

// The timers of a control outside any window, which gets no ticks.
class DetachedTimers final : public TimerSet {
public:
    void SetTimer(int, std::uint32_t) override {}
    void KillTimer(int) override {}
    void KillAll() override {}
    bool IsRunning(int) const override { return false; }
};

} // namespace

Control::Control(int id, const Rect& rect, ControlStyle style)
    : id_(id), rect_(rect.Normalized()), visible_(style.visible), enabled_(!style.disabled),
      tabStop_(style.tabStop) {}

Control::~Control() {
    if (window_ != nullptr) {
        window_->RemoveControl(*this);
    }
}

void Control::MoveWindow(const Rect& rect, bool repaint) {
    const Rect old = rect_;
    rect_ = rect.Normalized();
    if (window_ != nullptr) {
        window_->ControlMoved(*this, old, repaint);
    }
}

void Control::ShowWindow(bool show) {
    if (show == visible_) {
        return;
    }
    visible_ = show;
    if (show) {
        Invalidate();
    } else {
        invalid_ = {};
    }
    if (window_ != nullptr) {
        window_->ControlStateChanged(*this, !show, enabled_);
    }
}

void Control::EnableWindow(bool enable) {
    if (enable == enabled_) {
        return;
    }
    enabled_ = enable;
    Invalidate();
    if (window_ != nullptr) {
        window_->ControlStateChanged(*this, visible_, !enable);
    }
}

void Control::Invalidate() {
    InvalidateRect(ClientRect());
}

void Control::InvalidateRect(const Rect& rect) {
    if (!visible_) {
        return;
    }
    const Rect area = rect.Normalized().Intersected(ClientRect());
    if (area.IsEmpty()) {
        return;
    }
    invalid_ = invalid_.United(area);
    if (window_ != nullptr) {
        window_->SchedulePaint();
    }
}

void Control::SendPaint() {
    if (window_ != nullptr) {
        window_->PaintControl(*this);
    }
}

void Control::SetFocus() {
    if (window_ != nullptr) {
        window_->SetFocus(this);
    }
}

bool Control::HasFocus() const {
    return window_ != nullptr && window_->GetFocus() == this;
}

void Control::SetCapture() {
    if (window_ != nullptr) {
        window_->SetCapture(*this);
    }
}

void Control::ReleaseCapture() {
    if (window_ != nullptr) {
        window_->ReleaseCapture();
    }
}

bool Control::HasCapture() const {
    return window_ != nullptr && window_->GetCapture() == this;
}

Point Control::CursorPos() const {
    const Point client = window_ != nullptr ? window_->CursorPos() : Point{};
    return Point{client.x - rect_.left, client.y - rect_.top};
}

Timers& Control::GetTimers() {
    if (!timers_ && window_ != nullptr) {
        timers_ = window_->timerSource_.MakeTimers([this](int id) { OnTimer(id); });
    }
    if (!timers_) {
        // The stand-in keeps no state, so one serves every control outside a window.
        static DetachedTimers detached;
        return detached;
    }
    return *timers_;
}

void Control::OnMouseMove(Point point) {
    static_cast<void>(point);
}

void Control::OnLeftButtonDown(Point point) {
    static_cast<void>(point);
}

void Control::OnLeftButtonUp(Point point) {
    static_cast<void>(point);
}

void Control::OnLeftButtonDoubleClick(Point point) {
    static_cast<void>(point);
}

bool Control::OnSetCursor() {
    if (window_ == nullptr) {
        return false;
    }
    if (window_->Handler().OnSetCursor(window_->CurrentMessage().point, id_)) {
        return true;
    }
    window_->SetCursor(ClassCursor());
    return true;
}

void Control::OnTimer(int id) {
    static_cast<void>(id);
}

void Control::OnKeyDown(const InputMessage& message) {
    static_cast<void>(message);
}

void Control::OnKeyUp(const InputMessage& message) {
    static_cast<void>(message);
}

void Control::OnChar(char32_t character) {
    static_cast<void>(character);
}

void Control::OnSetFocus() {}

void Control::OnKillFocus() {}

void Control::OnCaptureChanged() {}

void Control::Notify(Notification notification) {
    if (window_ != nullptr) {
        window_->Notify(id_, notification);
    }
}

void Control::CaretChanged() {
    if (window_ != nullptr) {
        window_->RefreshCaret();
    }
}

const InputMessage& Control::CurrentMessage() const {
    return window_ != nullptr ? window_->CurrentMessage() : kNoMessage;
}

bool Control::IsLeftButtonDown() const {
    return window_ != nullptr && window_->IsLeftButtonDown();
}

void Control::PlayBeep() {
    if (window_ != nullptr) {
        window_->GetBeep().Play();
    }
}

} // namespace lumet
