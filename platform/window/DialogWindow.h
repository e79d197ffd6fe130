#pragma once

#include "platform/events/TimerSource.h"
#include "platform/gdi/Bitmap.h"
#include "platform/gdi/Point.h"
#include "platform/gdi/Rect.h"
#include "platform/window/Beep.h"
#include "platform/window/Cursor.h"
#include "platform/window/DialogHandler.h"
#include "platform/window/FaceLoader.h"
#include "platform/window/HostWindow.h"
#include "platform/window/InputFilterScope.h"
#include "platform/window/InputMessage.h"
#include "platform/window/ManualMove.h"
#include "platform/window/PointerState.h"
#include "platform/window/UpdateRegion.h"
#include "platform/window/WindowSurface.h"
#include "platform/window/WindowSystem.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumet {

class Control;

// The dialog's window: a frameless top-level window whose client area is the
// 360-pixel-wide WindowSurface, 116 rows high until the dialog extends it. It
// stands in for the window system under a modal dialog: it delivers paint, timer,
// mouse, keyboard and application messages to a DialogHandler and to the dialog's
// Control objects, tracks invalid areas, keyboard focus and mouse capture, and runs
// the modal loop. Everything happens on the GUI thread.
//
// Painting. Invalidate marks dialog areas invalid. When the messages posted before
// have been handled, the window's paint pass calls the handler's OnPaint with the
// invalid bounds, then paints the invalid controls, one window per pass, so messages
// posted by a paint are handled before the next window paints (as WM_PAINT comes
// after posted messages). SendPaint calls OnPaint at once, also with nothing invalid.
// When the window is exposed (shown, uncovered) or grows with repaint, the whole new
// area of the dialog and its controls becomes invalid. The host window only copies the
// surface to the screen (scaled to the screen's pixels, without smoothing); that copy is
// asked for when the outermost ClientDc is released or on UpdateScreen, and made
// when control returns to the event loop, so a pass that draws several things
// pushes them together.
class DialogWindow {
public:
    static constexpr int kClientWidth = WindowSurface::kWidth;
    static constexpr int kCollapsedHeight = WindowSurface::kCollapsedHeight;
    static constexpr int kExtendedHeight = WindowSurface::kHeight;

    // The window starts hidden; its host window comes from `system`. The window and
    // its controls take their timers from `timers`, which must outlive them.
    DialogWindow(DialogHandler& handler, Beep& beep, TimerSource& timers, WindowSystem& system);
    ~DialogWindow();

    DialogWindow(const DialogWindow&) = delete;
    DialogWindow& operator=(const DialogWindow&) = delete;

    // Calls OnInitDialog, shows the window and paints it (UpdateWindow), then handles
    // events until EndDialog; hides the window, calls OnDestroy and returns the
    // result (kModalAborted when the application left the event loop instead).
    int RunModal();
    // Takes effect when control returns to the modal loop, also from nested loops.
    void EndDialog(int result);
    bool IsModalRunning() const { return modalRunning_; }
    bool HasEnded() const { return ended_; }

    // Painting.
    void Invalidate(const Rect& rect, bool erase = true);
    void InvalidateClient(bool erase = true);
    // The dialog and every control over rect, as when rect is uncovered.
    void InvalidateArea(const Rect& rect, const Control* except = nullptr);
    Rect InvalidBounds() const { return invalid_.Bounds(); }
    // Paints at once every visible control over rect, lowest in the z-order first:
    // after drawing that went over the controls, as a window whose children clip its
    // drawing would never have lost them.
    void RepaintControlsOver(const Rect& rect);
    // WM_PAINT, sent: OnEraseBackground when erasing is due, then OnPaint with the
    // invalid bounds, possibly empty; the area is valid afterwards.
    void SendPaint();
    // SendPaint when something of the dialog is invalid.
    void UpdateWindow();
    // Runs the paint passes now until the dialog and every control are valid.
    void PaintAll();
    void UpdateScreen() { surface_.UpdateScreen(); }

    WindowSurface& Surface() { return surface_; }
    const Bitmap& SurfacePixels() const { return surface_.Pixels(); }

    // Messages: posted ones are handled after the current message, in order; sent
    // ones at once.
    void PostMessage(int message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);
    std::intptr_t SendMessage(int message, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

    // The dialog's timers; ticks arrive in the handler's OnTimer.
    TimerSet& GetTimers() { return *timers_; }

    // Controls, in z-order and tab order.
    void AddControl(Control& control);
    void RemoveControl(Control& control);
    Control* GetDlgItem(int id) const;
    // The control mouse messages at a client point go to: visible, enabled, taking
    // the mouse, first in z-order; nullptr for the dialog.
    Control* ControlAt(Point point) const;

    // Keyboard focus; SetFocus refuses a disabled control, nullptr takes it away.
    void SetFocus(Control* control);
    Control* GetFocus() const { return focus_; }
    // Tab / Shift+Tab: the next visible, enabled tab-stop control, wrapping round.
    void NextDlgTabItem(bool previous);

    // Mouse capture: every mouse message goes to the capturing control (the window
    // grabs the pointer), also from outside the window.
    void SetCapture(Control& control);
    void ReleaseCapture();
    Control* GetCapture() const { return capture_; }
    void SetCursor(const Cursor& cursor);
    const Cursor& CurrentCursor() const { return cursor_; }
    // The pointer in client coordinates (GetCursorPos then ScreenToClient).
    Point CursorPos() const;
    bool IsLeftButtonDown() const { return leftButtonDown_; }
    // The message being dispatched (GetMessagePos and the key state come from it).
    const InputMessage& CurrentMessage() const { return currentMessage_; }

    // A filter sees every input message before pre-translation while its scope
    // lives (the newest first); returning true consumes the message.
    [[nodiscard]] InputFilterScope PushInputFilter(InputFilter filter);

    // The top-level window.
    void SetWindowText(std::string_view text);
    std::string GetWindowText() const;
    void SetIcon(const std::vector<std::span<const std::uint8_t>>& pngImages) {
        host_->SetIcon(pngImages);
    }
    void MoveTo(Point screenTopLeft);
    // The window in screen coordinates (it has no frame: the client area).
    Rect WindowRect() const;
    int ClientHeight() const { return surface_.ClientHeight(); }
    // Keeps the top-left corner; the height is held to 116 … 416. With repaint the
    // rows that appear are invalidated.
    void SetClientHeight(int height, bool repaint);
    void Minimize();
    // Moves the window with the pointer while the left button stays down, as a drag
    // of a title bar would (WM_SYSCOMMAND SC_MOVE | HTCAPTION); returns at once.
    void StartSystemMove();
    bool IsManualMoveActive() const { return manualMove_.IsActive(); }

    Beep& GetBeep() { return beep_; }
    void SetFaceLoader(FaceLoader loader) {
        faceLoader_ = std::move(loader);
        faces_.clear();
    }
    // Where the window asks whether the left button is down this moment.
    void SetPointerQuery(PointerQuery query) { pointerQuery_ = std::move(query); }
    // Each picture is decoded once: a button changes faces on every probe and every
    // REP blink.
    Bitmap LoadFace(const std::string& name) const;
    DialogHandler& Handler() { return handler_; }
    HostWindow& Host() { return *host_; }
    const HostWindow& Host() const { return *host_; }
    // The caret the screen shows over the surface, in client coordinates.
    std::optional<Rect> Caret() const { return caret_; }

    // Input as the window system delivers it; the host window calls these, tests may
    // too. A key press delivers KeyDown and, unless that was consumed before
    // reaching the control, the character it produces (0 for none).
    void DeliverMouse(InputKind kind, Point client, Point screen, KeyModifiers modifiers = {});
    void DeliverKeyPress(Key key, char32_t character, KeyModifiers modifiers);
    void DeliverKeyRelease(Key key, KeyModifiers modifiers);
    // A close request from the window manager or Alt+F4: OnCancel, by default
    // EndDialog(kIdCancel).
    void DeliverClose();
    void DeliverExpose();
    // The host window's queue hands back what Post and RequestPaintPass queued.
    void DeliverPosted(int message, std::uintptr_t wParam, std::intptr_t lParam);
    void PaintPass();

private:
    friend class Control;

    // Returns true when the message was consumed before reaching its target.
    bool Deliver(InputMessage message);
    bool HandleDialogKey(const InputMessage& message);
    void DispatchKey(const InputMessage& message);
    void DispatchMouse(const InputMessage& message);
    void SetCursorFor(const InputMessage& message);
    void Command(int commandId);

    void SchedulePaint();
    void PaintControl(Control& control);
    void ControlStateChanged(Control& control, bool wasVisible, bool wasEnabled);
    void ControlMoved(Control& control, const Rect& oldRect, bool repaint);
    void RefreshCaret();
    void Notify(int controlId, Notification notification);

    DialogHandler& handler_;
    Beep& beep_;
    WindowSurface surface_;
    UpdateRegion invalid_;
    TimerSource& timerSource_;
    std::unique_ptr<TimerSet> timers_;
    std::vector<Control*> controls_;
    Control* focus_ = nullptr;
    Control* capture_ = nullptr;
    Cursor cursor_ = Cursor::Arrow();
    InputMessage currentMessage_;
    bool leftButtonDown_ = false;
    std::vector<std::pair<int, InputFilter>> filters_;
    int nextFilterKey_ = 0;
    ManualMove manualMove_;
    FaceLoader faceLoader_ = LoadFaceResource;
    mutable std::map<std::string, Bitmap> faces_;
    PointerQuery pointerQuery_;
    std::optional<Rect> caret_;
    bool paintScheduled_ = false;
    bool modalRunning_ = false;
    bool ended_ = false;
    int result_ = kModalAborted;
    bool inModalLoop_ = false;
    std::unique_ptr<HostWindow> host_;
};

} // namespace lumet
