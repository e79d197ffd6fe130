#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Point.h"
#include "platform/gdi/Rect.h"
#include "platform/window/ControlColors.h"
#include "platform/window/InputMessage.h"
#include "platform/window/WindowMessages.h"

#include <cstdint>

namespace lumet {

class Control;

// The dialog's message handlers, called by its DialogWindow on the GUI thread. Every
// handler except OnPaint has a default that does what the window system does for a
// dialog that does not handle the message.
class DialogHandler {
public:
    virtual ~DialogHandler() = default;

    // WM_INITDIALOG: the controls are attached, the window is not shown yet. Return
    // true to have the window give the focus to the first tab-stop control.
    virtual bool OnInitDialog() { return true; }

    // WM_ERASEBKGND, before OnPaint when the invalid area asks for erasing; dc is
    // clipped like the paint's. Return whether the background counts as erased.
    virtual bool OnEraseBackground(DeviceContext& dc) {
        static_cast<void>(dc);
        return false;
    }

    // WM_PAINT. dc draws into the window surface, clipped to the bounds of the area
    // that was invalid; invalid is empty when nothing was (dc then draws nothing).
    // The area counts as valid once this returns.
    virtual void OnPaint(DeviceContext& dc, const Rect& invalid) = 0;

    virtual void OnTimer(int id) { static_cast<void>(id); }

    // WM_COMMAND from a control.
    virtual void OnCommand(int controlId, Notification notification) {
        static_cast<void>(controlId);
        static_cast<void>(notification);
    }

    // Enter that nobody consumed, and Escape or a close request (Alt+F4, the window
    // manager's close). Return true when handled; false ends the dialog with kIdOk or
    // kIdCancel, as the framework's OnOK and OnCancel do.
    virtual bool OnOk() { return false; }
    virtual bool OnCancel() { return false; }

    // Mouse messages over the dialog itself (not over an enabled, visible control),
    // at client points.
    virtual void OnMouseMove(Point client) { static_cast<void>(client); }
    virtual void OnLeftButtonDown(Point client) { static_cast<void>(client); }
    virtual void OnLeftButtonUp(Point client) { static_cast<void>(client); }
    virtual void OnLeftButtonDoubleClick(Point client) { static_cast<void>(client); }

    // WM_SETCURSOR before each mouse message while nothing has the capture, also for
    // the pointer over a control whose own handler passes it on; controlId is that
    // control or 0. Return true after DialogWindow::SetCursor; false lets the control
    // or the dialog show its own cursor (the arrow, the I-beam over an edit).
    virtual bool OnSetCursor(Point client, int controlId) {
        static_cast<void>(client);
        static_cast<void>(controlId);
        return false;
    }

    // kWmApp + n and other messages, posted (after the current message) or sent
    // (called at once, the result returned to the sender).
    virtual std::intptr_t OnMessage(int message, std::uintptr_t wParam, std::intptr_t lParam) {
        static_cast<void>(message);
        static_cast<void>(wParam);
        static_cast<void>(lParam);
        return 0;
    }

    // Every input message before the dialog's keyboard handling and dispatch. Return
    // true to consume it: nothing else sees it, and a consumed key produces no
    // character.
    virtual bool PreTranslateMessage(const InputMessage& message) {
        static_cast<void>(message);
        return false;
    }

    // WM_CTLCOLOR: the colours a control paints with.
    virtual ControlColors OnControlColor(const Control& control) {
        static_cast<void>(control);
        return {};
    }

    // WM_DESTROY: the modal run has ended and the window is hidden.
    virtual void OnDestroy() {}
};

} // namespace lumet
