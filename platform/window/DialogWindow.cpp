#include "platform/window/DialogWindow.h"

#include "platform/window/ClientDc.h"
#include "platform/window/Control.h"
#include "platform/window/RectDifference.h"

#include <algorithm>

namespace lumet {

namespace {

// Stops a paint pass loop whose paints keep invalidating.
constexpr int kMaximumPaintPasses = 256;

} // namespace

DialogWindow::DialogWindow(DialogHandler& handler, Beep& beep, TimerSource& timers,
                           WindowSystem& system)
    : handler_(handler), beep_(beep), timerSource_(timers),
      timers_(timers.MakeTimers([this](int id) { handler_.OnTimer(id); })),
      pointerQuery_([this] { return host_->LeftButtonHeld(); }), host_(system.CreateHost(*this)) {
    host_->SetClientSize(kClientWidth, kCollapsedHeight);
    surface_.SetScreenUpdate([this](const Rect& area) { host_->UpdateScreen(area); });
}

DialogWindow::~DialogWindow() {
    timers_->KillAll();
    if (capture_ != nullptr) {
        host_->ReleasePointer();
    }
    for (Control* control : controls_) {
        control->window_ = nullptr;
    }
    controls_.clear();
    surface_.SetScreenUpdate({});
}

int DialogWindow::RunModal() {
    if (modalRunning_) {
        return kModalAborted;
    }
    modalRunning_ = true;
    ended_ = false;
    result_ = kModalAborted;
    const bool focusFirst = handler_.OnInitDialog();
    if (!ended_) {
        if (focusFirst && focus_ == nullptr) {
            NextDlgTabItem(false);
        }
        host_->Show();
        InvalidateArea(surface_.ClientRect());
        UpdateWindow();
    }
    if (!ended_) {
        inModalLoop_ = true;
        host_->RunModalLoop();
        inModalLoop_ = false;
    }
    ReleaseCapture();
    manualMove_.Stop();
    // The window goes away: its focus goes without notifications to the dialog.
    focus_ = nullptr;
    RefreshCaret();
    host_->Hide();
    timers_->KillAll();
    handler_.OnDestroy();
    modalRunning_ = false;
    return result_;
}

void DialogWindow::EndDialog(int result) {
    result_ = result;
    ended_ = true;
    if (inModalLoop_) {
        host_->ExitModalLoop();
    }
}

void DialogWindow::Invalidate(const Rect& rect, bool erase) {
    const Rect area = rect.Normalized().Intersected(surface_.ClientRect());
    if (area.IsEmpty()) {
        return;
    }
    invalid_.Add(area, erase);
    SchedulePaint();
}

void DialogWindow::InvalidateClient(bool erase) {
    Invalidate(surface_.ClientRect(), erase);
}

void DialogWindow::InvalidateArea(const Rect& rect, const Control* except) {
    Invalidate(rect, true);
    const Rect area = rect.Normalized();
    for (Control* control : controls_) {
        if (control == except) {
            continue;
        }
        const Rect& bounds = control->rect_;
        const Rect overlap = area.Intersected(bounds);
        if (!overlap.IsEmpty()) {
            control->InvalidateRect(overlap.Translated(-bounds.left, -bounds.top));
        }
    }
}

void DialogWindow::RepaintControlsOver(const Rect& rect) {
    const Rect area = rect.Normalized();
    for (auto control = controls_.rbegin(); control != controls_.rend(); ++control) {
        const Rect& bounds = (*control)->rect_;
        const Rect overlap = area.Intersected(bounds);
        if ((*control)->IsVisible() && !overlap.IsEmpty()) {
            (*control)->InvalidateRect(overlap.Translated(-bounds.left, -bounds.top));
            (*control)->SendPaint();
        }
    }
}

void DialogWindow::SendPaint() {
    const Rect bounds = invalid_.Bounds().Intersected(surface_.ClientRect());
    const Rect area = bounds.IsEmpty() ? Rect{} : bounds;
    const bool erase = invalid_.NeedsErase();
    invalid_.Clear();
    ClientDc dc(surface_, area);
    if (erase) {
        handler_.OnEraseBackground(*dc);
    }
    handler_.OnPaint(*dc, area);
}

void DialogWindow::UpdateWindow() {
    if (!invalid_.IsEmpty()) {
        SendPaint();
    }
}

void DialogWindow::PaintAll() {
    for (int pass = 0; pass < kMaximumPaintPasses; ++pass) {
        const bool controlInvalid = std::any_of(controls_.begin(), controls_.end(),
                                                [](const Control* c) { return c->IsInvalid(); });
        if (invalid_.IsEmpty() && !controlInvalid) {
            return;
        }
        PaintPass();
    }
}

void DialogWindow::SchedulePaint() {
    if (!paintScheduled_) {
        paintScheduled_ = true;
        host_->RequestPaintPass();
    }
}

void DialogWindow::PaintPass() {
    paintScheduled_ = false;
    if (!invalid_.IsEmpty()) {
        SendPaint();
    } else {
        // The bottom of the z-order first, so the top control ends up over the others.
        const auto invalid = std::find_if(controls_.rbegin(), controls_.rend(),
                                          [](const Control* c) { return c->IsInvalid(); });
        if (invalid != controls_.rend()) {
            PaintControl(**invalid);
        }
    }
    const bool controlInvalid = std::any_of(controls_.begin(), controls_.end(),
                                            [](const Control* c) { return c->IsInvalid(); });
    if (!invalid_.IsEmpty() || controlInvalid) {
        SchedulePaint();
    }
}

void DialogWindow::PaintControl(Control& control) {
    const Rect area = control.invalid_.Translated(control.rect_.left, control.rect_.top)
                          .Intersected(control.rect_);
    control.invalid_ = {};
    if (!control.visible_ || area.IsEmpty()) {
        return;
    }
    ClientDc dc(surface_, area);
    const ControlColors colors = handler_.OnControlColor(control);
    control.Paint(*dc, colors);
}

void DialogWindow::PostMessage(int message, std::uintptr_t wParam, std::intptr_t lParam) {
    host_->Post(message, wParam, lParam);
}

std::intptr_t DialogWindow::SendMessage(int message, std::uintptr_t wParam, std::intptr_t lParam) {
    return handler_.OnMessage(message, wParam, lParam);
}

void DialogWindow::DeliverPosted(int message, std::uintptr_t wParam, std::intptr_t lParam) {
    handler_.OnMessage(message, wParam, lParam);
}

void DialogWindow::AddControl(Control& control) {
    if (control.window_ == this) {
        return;
    }
    if (control.window_ != nullptr) {
        control.window_->RemoveControl(control);
    }
    controls_.push_back(&control);
    control.window_ = this;
    control.Invalidate();
}

void DialogWindow::RemoveControl(Control& control) {
    const auto found = std::find(controls_.begin(), controls_.end(), &control);
    if (found == controls_.end()) {
        return;
    }
    controls_.erase(found);
    control.window_ = nullptr;
    // The control may be half destroyed: no calls into it from here on.
    if (focus_ == &control) {
        focus_ = nullptr;
    }
    if (capture_ == &control) {
        capture_ = nullptr;
        host_->ReleasePointer();
    }
    if (control.visible_) {
        InvalidateArea(control.rect_);
    }
    RefreshCaret();
}

Control* DialogWindow::GetDlgItem(int id) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(),
                                    [id](const Control* c) { return c->id_ == id; });
    return found != controls_.end() ? *found : nullptr;
}

Control* DialogWindow::ControlAt(Point point) const {
    const auto found = std::find_if(controls_.begin(), controls_.end(), [point](Control* c) {
        return c->visible_ && c->enabled_ && c->TakesMouse() && c->rect_.Contains(point.x, point.y);
    });
    return found != controls_.end() ? *found : nullptr;
}

void DialogWindow::SetFocus(Control* control) {
    if (control == focus_) {
        return;
    }
    if (control != nullptr && (!control->enabled_ || control->window_ != this)) {
        return;
    }
    Control* const previous = focus_;
    focus_ = control;
    if (previous != nullptr) {
        previous->OnKillFocus();
    }
    // The kill-focus handler may have moved the focus on.
    if (control != nullptr && focus_ == control) {
        control->OnSetFocus();
    }
    RefreshCaret();
}

void DialogWindow::NextDlgTabItem(bool previous) {
    const int count = static_cast<int>(controls_.size());
    if (count == 0) {
        return;
    }
    const auto current = std::find(controls_.begin(), controls_.end(), focus_);
    const int start = current != controls_.end() ? static_cast<int>(current - controls_.begin())
                                                 : (previous ? 0 : count - 1);
    for (int step = 1; step <= count; ++step) {
        const int index = ((start + (previous ? -step : step)) % count + count) % count;
        Control* const candidate = controls_[static_cast<std::size_t>(index)];
        if (candidate->visible_ && candidate->enabled_ && candidate->tabStop_) {
            SetFocus(candidate);
            if (focus_ == candidate) {
                candidate->SelectAllOnTabFocus();
            }
            return;
        }
    }
}

void DialogWindow::SetCapture(Control& control) {
    if (capture_ == &control || control.window_ != this) {
        return;
    }
    Control* const previous = capture_;
    capture_ = &control;
    if (previous == nullptr && host_->IsVisible()) {
        host_->GrabPointer();
    }
    if (previous != nullptr) {
        previous->OnCaptureChanged();
    }
}

void DialogWindow::ReleaseCapture() {
    if (capture_ == nullptr) {
        return;
    }
    Control* const previous = capture_;
    capture_ = nullptr;
    host_->ReleasePointer();
    previous->OnCaptureChanged();
}

void DialogWindow::SetCursor(const Cursor& cursor) {
    if (!cursor_.SameAs(cursor)) {
        cursor_ = cursor;
        host_->SetCursor(cursor);
    }
}

Point DialogWindow::CursorPos() const {
    return host_->PointerPosition();
}

InputFilterScope DialogWindow::PushInputFilter(InputFilter filter) {
    const int key = nextFilterKey_++;
    filters_.emplace_back(key, std::move(filter));
    return InputFilterScope([this, key] {
        std::erase_if(filters_, [key](const auto& entry) { return entry.first == key; });
    });
}

void DialogWindow::SetWindowText(std::string_view text) {
    // Every test tick sets it; the window system hears of it only when it changes.
    if (text != host_->Title()) {
        host_->SetTitle(text);
    }
}

std::string DialogWindow::GetWindowText() const {
    return host_->Title();
}

void DialogWindow::MoveTo(Point screenTopLeft) {
    host_->MoveTo(screenTopLeft);
}

Rect DialogWindow::WindowRect() const {
    return host_->Geometry();
}

void DialogWindow::SetClientHeight(int height, bool repaint) {
    const int clamped = std::clamp(height, kCollapsedHeight, kExtendedHeight);
    const int previous = surface_.ClientHeight();
    if (clamped == previous) {
        return;
    }
    surface_.SetClientHeight(clamped);
    host_->SetClientSize(kClientWidth, clamped);
    if (repaint && clamped > previous) {
        InvalidateArea(Rect{0, previous, kClientWidth, clamped});
    }
    RefreshCaret();
}

void DialogWindow::Minimize() {
    host_->Minimize();
}

void DialogWindow::StartSystemMove() {
    // A press handled after its release would start a move that no release ends:
    // the window would stick to the pointer until the next click.
    if (!host_->IsVisible() || !pointerQuery_().value_or(leftButtonDown_)) {
        return;
    }
    if (host_->StartSystemMove()) {
        return;
    }
    if (leftButtonDown_) {
        const Rect placed = host_->Geometry();
        manualMove_.Start(currentMessage_.screenPoint, Point{placed.left, placed.top});
    }
}

Bitmap DialogWindow::LoadFace(const std::string& name) const {
    if (!faceLoader_) {
        return Bitmap();
    }
    const auto known = faces_.find(name);
    if (known != faces_.end()) {
        return known->second;
    }
    // Bitmaps share their pixels until one is drawn into, so the copies are cheap.
    return faces_.emplace(name, faceLoader_(name)).first->second;
}

void DialogWindow::DeliverMouse(InputKind kind, Point client, Point screen,
                                KeyModifiers modifiers) {
    InputMessage message;
    message.kind = kind;
    message.point = client;
    message.screenPoint = screen;
    message.modifiers = modifiers;
    if (kind == InputKind::LeftButtonDown || kind == InputKind::LeftButtonDoubleClick) {
        leftButtonDown_ = true;
    } else if (kind == InputKind::LeftButtonUp) {
        leftButtonDown_ = false;
    }
    Deliver(message);
}

void DialogWindow::DeliverKeyPress(Key key, char32_t character, KeyModifiers modifiers) {
    InputMessage down;
    down.kind = InputKind::KeyDown;
    down.key = key;
    down.modifiers = modifiers;
    if (Deliver(down) || character == 0) {
        return;
    }
    InputMessage translated;
    translated.kind = InputKind::Char;
    translated.key = key;
    translated.character = character;
    translated.modifiers = modifiers;
    Deliver(translated);
}

void DialogWindow::DeliverKeyRelease(Key key, KeyModifiers modifiers) {
    InputMessage up;
    up.kind = InputKind::KeyUp;
    up.key = key;
    up.modifiers = modifiers;
    Deliver(up);
}

void DialogWindow::DeliverClose() {
    Command(kIdCancel);
}

void DialogWindow::DeliverExpose() {
    InvalidateArea(surface_.ClientRect());
}

bool DialogWindow::Deliver(InputMessage message) {
    if (message.IsMouse()) {
        if (manualMove_.IsActive()) {
            if (message.kind == InputKind::MouseMove) {
                const Point to = manualMove_.WindowPositionFor(message.screenPoint);
                host_->MoveTo(to);
            } else if (message.kind == InputKind::LeftButtonUp) {
                manualMove_.Stop();
            }
            return true;
        }
        // Without the capture only the window under the pointer hears of it.
        if (capture_ == nullptr &&
            !surface_.ClientRect().Contains(message.point.x, message.point.y)) {
            return true;
        }
        const Control* target = capture_ != nullptr ? capture_ : ControlAt(message.point);
        message.targetId = target != nullptr ? target->id_ : 0;
    } else {
        message.targetId = focus_ != nullptr ? focus_->id_ : 0;
    }
    currentMessage_ = message;
    if (message.IsMouse() && capture_ == nullptr) {
        SetCursorFor(message);
    }
    // Newest first, on a copy: a filter may remove itself.
    const auto filters = filters_;
    for (auto entry = filters.rbegin(); entry != filters.rend(); ++entry) {
        if (entry->second(message)) {
            return true;
        }
    }
    if (handler_.PreTranslateMessage(message)) {
        return true;
    }
    if (message.IsMouse()) {
        DispatchMouse(message);
        return false;
    }
    if (HandleDialogKey(message)) {
        return true;
    }
    DispatchKey(message);
    return false;
}

bool DialogWindow::HandleDialogKey(const InputMessage& message) {
    if (message.kind != InputKind::KeyDown) {
        return false;
    }
    switch (message.key) {
    case Key::Tab:
        if (message.modifiers.control || message.modifiers.alt) {
            return false;
        }
        NextDlgTabItem(message.modifiers.shift);
        return true;
    case Key::Escape:
        Command(kIdCancel);
        return true;
    case Key::Return:
        Command(kIdOk);
        return true;
    default:
        return false;
    }
}

void DialogWindow::DispatchKey(const InputMessage& message) {
    if (focus_ == nullptr) {
        return;
    }
    switch (message.kind) {
    case InputKind::KeyDown:
        focus_->OnKeyDown(message);
        break;
    case InputKind::KeyUp:
        focus_->OnKeyUp(message);
        break;
    case InputKind::Char:
        focus_->OnChar(message.character);
        break;
    default:
        break;
    }
}

void DialogWindow::DispatchMouse(const InputMessage& message) {
    Control* const target = capture_ != nullptr ? capture_ : ControlAt(message.point);
    if (target == nullptr) {
        switch (message.kind) {
        case InputKind::MouseMove:
            handler_.OnMouseMove(message.point);
            break;
        case InputKind::LeftButtonDown:
            handler_.OnLeftButtonDown(message.point);
            break;
        case InputKind::LeftButtonUp:
            handler_.OnLeftButtonUp(message.point);
            break;
        case InputKind::LeftButtonDoubleClick:
            handler_.OnLeftButtonDoubleClick(message.point);
            break;
        default:
            break;
        }
        return;
    }
    const Point local{message.point.x - target->rect_.left, message.point.y - target->rect_.top};
    switch (message.kind) {
    case InputKind::MouseMove:
        target->OnMouseMove(local);
        break;
    case InputKind::LeftButtonDown:
        target->OnLeftButtonDown(local);
        break;
    case InputKind::LeftButtonUp:
        target->OnLeftButtonUp(local);
        break;
    case InputKind::LeftButtonDoubleClick:
        target->OnLeftButtonDoubleClick(local);
        break;
    default:
        break;
    }
}

void DialogWindow::SetCursorFor(const InputMessage& message) {
    Control* const control = ControlAt(message.point);
    if (control != nullptr) {
        control->OnSetCursor();
        return;
    }
    if (!handler_.OnSetCursor(message.point, 0)) {
        SetCursor(Cursor::Arrow());
    }
}

void DialogWindow::Command(int commandId) {
    const bool handled = commandId == kIdOk ? handler_.OnOk() : handler_.OnCancel();
    if (!handled) {
        EndDialog(commandId);
    }
}

void DialogWindow::ControlStateChanged(Control& control, bool wasVisible, bool wasEnabled) {
    const bool hidden = wasVisible && !control.visible_;
    const bool disabled = wasEnabled && !control.enabled_;
    if (hidden || disabled) {
        if (capture_ == &control) {
            ReleaseCapture();
        }
        if (focus_ == &control) {
            SetFocus(nullptr);
        }
    }
    if (hidden) {
        InvalidateArea(control.rect_, &control);
    }
    RefreshCaret();
}

void DialogWindow::ControlMoved(Control& control, const Rect& oldRect, bool repaint) {
    if (control.visible_ && repaint) {
        for (const Rect& part : RectDifference(oldRect, control.rect_)) {
            InvalidateArea(part, &control);
        }
        control.Invalidate();
    }
    RefreshCaret();
}

void DialogWindow::RefreshCaret() {
    std::optional<Rect> caret;
    if (focus_ != nullptr && focus_->visible_ && focus_->enabled_) {
        caret = focus_->CaretRect();
    }
    if (caret != caret_) {
        caret_ = caret;
        host_->CaretChanged();
    }
}

void DialogWindow::Notify(int controlId, Notification notification) {
    handler_.OnCommand(controlId, notification);
}

} // namespace lumet
