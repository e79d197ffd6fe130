#pragma once

#include "platform/gdi/Point.h"
#include "platform/gdi/Rect.h"
#include "platform/window/Cursor.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lumet {

class DialogWindow;

// The window system's top-level window behind a DialogWindow: a frameless window
// whose client area shows the window surface, with the system's message queue
// behind it. It hands the system's input, close and expose events to the
// DialogWindow (DialogWindow::Deliver…), its posted messages to DeliverPosted and
// its paint requests to PaintPass. One implementation per window system.
class HostWindow {
public:
    virtual ~HostWindow() = default;

    // Shows the window, raised and active.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual bool IsVisible() const = 0;
    virtual void Minimize() = 0;

    // Keeps the top-left corner.
    virtual void SetClientSize(int width, int height) = 0;
    virtual void MoveTo(Point screenTopLeft) = 0;
    // In screen coordinates; the window has no frame, so this is the client area.
    virtual Rect Geometry() const = 0;
    // Moves the window with the pointer as a title bar drag would, when the system
    // can; false when the caller must move it itself.
    virtual bool StartSystemMove() = 0;

    virtual void SetTitle(std::string_view title) = 0;
    virtual std::string Title() const = 0;
    // The picture the system shows for the window (task bar, window switcher): the
    // same picture at several sizes, each a PNG file.
    virtual void SetIcon(const std::vector<std::span<const std::uint8_t>>& pngImages) = 0;

    // Every mouse message comes to this window, also from outside it.
    virtual void GrabPointer() = 0;
    virtual void ReleasePointer() = 0;
    virtual void SetCursor(const Cursor& cursor) = 0;
    // The pointer now, in client coordinates.
    virtual Point PointerPosition() const = 0;
    // Whether the left button is down this moment, as the window system knows it,
    // rather than as the input handled so far tells it: a press can be handled after
    // its release has already happened. Nothing when the system cannot tell.
    virtual std::optional<bool> LeftButtonHeld() const = 0;

    // The screen the window opens on, in pixels, and its logical dots per inch.
    virtual Rect ScreenRect() const = 0;
    virtual int LogicalDpiX() const = 0;
    virtual int LogicalDpiY() const = 0;

    // Copies an area of the surface (client coordinates) to the screen when control
    // returns to the event loop.
    virtual void UpdateScreen(const Rect& area) = 0;
    // The caret moved, appeared or went: show it at once and restart its blinking.
    virtual void CaretChanged() = 0;

    // The system clipboard's text, for edit controls.
    virtual void SetClipboardText(const std::string& utf8) = 0;
    virtual std::string ClipboardText() const = 0;

    // Queues a message for DeliverPosted, after those posted before.
    virtual void Post(int message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // Asks for one PaintPass once every message posted before has been handled.
    virtual void RequestPaintPass() = 0;
    // Handles the window system's events until ExitModalLoop. Called from inside a
    // nested loop (a message box's), the exit takes effect when that loop has ended.
    virtual void RunModalLoop() = 0;
    virtual void ExitModalLoop() = 0;
};

} // namespace lumet
