#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Point.h"
#include "platform/gdi/Rect.h"
#include "platform/window/ControlColors.h"
#include "platform/window/Cursor.h"
#include "platform/window/InputMessage.h"
#include "platform/window/WindowMessages.h"

#include <memory>
#include <optional>

namespace lumet {

class DialogWindow;
class Timers;
class TimerSet;

enum class ControlKind { Button, Static, Edit };

// Window styles a control is created with.
struct ControlStyle {
    bool visible = true;
    bool disabled = false;
    bool tabStop = false;
};

// A child control of a DialogWindow: an id, a rectangle in the dialog's client
// coordinates, visible and enabled state, and a paint routine that draws into the
// window surface. The dialog owns its control objects and attaches them with
// DialogWindow::AddControl in template order, which is also their z-order (the
// first is on top) and tab order.
//
// A control paints when it is invalid and the window's paint pass reaches it (after
// the messages posted before), or at once when sent WM_PAINT (SendPaint). Its
// pixels stay in the surface until something draws over them.
//
// The On… handlers are the control's message handlers; the base versions are the
// control class's own handling, so a derived control overrides one and calls the
// base version for the default. Mouse points are in the control's own client
// coordinates.
class Control {
public:
    Control(int id, const Rect& rect, ControlStyle style);
    virtual ~Control();

    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    int Id() const { return id_; }
    virtual ControlKind Kind() const = 0;
    DialogWindow* Window() const { return window_; }

    // The rectangle in dialog client coordinates, and the same at the origin.
    const Rect& WindowRect() const { return rect_; }
    Rect ClientRect() const { return Rect{0, 0, rect_.Width(), rect_.Height()}; }
    // The dialog area the control leaves is invalidated; with repaint the control is
    // invalidated too.
    void MoveWindow(const Rect& rect, bool repaint = true);

    bool IsVisible() const { return visible_; }
    bool IsEnabled() const { return enabled_; }
    bool IsTabStop() const { return tabStop_; }
    // Hiding or disabling a control takes away its focus and mouse capture; hiding
    // it invalidates the area it leaves, showing or enabling it invalidates it.
    void ShowWindow(bool show);
    void EnableWindow(bool enable);

    // Invalid area, in client coordinates; SendPaint paints it at once (nothing when
    // nothing is invalid) and validates it.
    void Invalidate();
    void InvalidateRect(const Rect& rect);
    bool IsInvalid() const { return !invalid_.IsEmpty(); }
    void SendPaint();

    void SetFocus();
    bool HasFocus() const;
    void SetCapture();
    void ReleaseCapture();
    bool HasCapture() const;
    // The pointer position in the control's client coordinates (GetCursorPos).
    Point CursorPos() const;

    // The control's own timers (by id, separate from the dialog's); ticks arrive in
    // OnTimer.
    Timers& GetTimers();

    // The caret rectangle in dialog client coordinates while the control shows one.
    virtual std::optional<Rect> CaretRect() const { return std::nullopt; }

    virtual void OnMouseMove(Point point);
    virtual void OnLeftButtonDown(Point point);
    virtual void OnLeftButtonUp(Point point);
    virtual void OnLeftButtonDoubleClick(Point point);
    // WM_SETCURSOR with the pointer over the control. The default offers it to the
    // dialog's OnSetCursor, then shows ClassCursor(). Return true when handled.
    virtual bool OnSetCursor();
    virtual void OnTimer(int id);
    virtual void OnKeyDown(const InputMessage& message);
    virtual void OnKeyUp(const InputMessage& message);
    virtual void OnChar(char32_t character);
    virtual void OnSetFocus();
    virtual void OnKillFocus();
    // The control lost the mouse capture (WM_CAPTURECHANGED).
    virtual void OnCaptureChanged();

protected:
    // Draws the control into dc, which is in dialog client coordinates and clipped to
    // the invalid part of the control.
    virtual void Paint(DeviceContext& dc, const ControlColors& colors) = 0;

    virtual Cursor ClassCursor() const { return Cursor::Arrow(); }
    // False lets mouse messages through to the dialog (a static without notify).
    virtual bool TakesMouse() const { return true; }
    // Tab into the control selects all its text (an edit).
    virtual void SelectAllOnTabFocus() {}

    // WM_COMMAND to the dialog.
    void Notify(Notification notification);
    // The focused control's caret has moved or changed its size.
    void CaretChanged();
    // The message being dispatched, with its modifiers and pointer (GetMessagePos).
    const InputMessage& CurrentMessage() const;
    bool IsLeftButtonDown() const;
    void PlayBeep();

private:
    friend class DialogWindow;

    int id_;
    Rect rect_;
    bool visible_;
    bool enabled_;
    bool tabStop_;
    Rect invalid_;
    DialogWindow* window_ = nullptr;
    std::unique_ptr<TimerSet> timers_;
};

} // namespace lumet
