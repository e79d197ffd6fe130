#pragma once

#include "platform/events/win32/Win32EventLoop.h"
#include "platform/win32/Win32Api.h"
#include "platform/window/HostWindow.h"
#include "platform/window/InputMessage.h"

#include <deque>
#include <map>

namespace lumet {

class DialogWindow;

// A DialogWindow's top-level window on Windows: a popup without frame whose client
// area shows the window surface through StretchDIBits. Input, close and
// expose go to the DialogWindow; posted messages and paint-pass requests share one
// queue, so each is handled after everything posted before it, also inside a nested
// loop such as a message box's. The modal loop is the thread's Win32EventLoop, so
// probes and lookups finish while the window waits for input.
class Win32HostWindow final : public HostWindow {
public:
    Win32HostWindow(DialogWindow& window, Win32EventLoop& loop);
    ~Win32HostWindow() override;

    Win32HostWindow(const Win32HostWindow&) = delete;
    Win32HostWindow& operator=(const Win32HostWindow&) = delete;

    HWND Handle() const { return hwnd_; }

    void Show() override;
    void Hide() override { ShowWindow(hwnd_, SW_HIDE); }
    bool IsVisible() const override { return IsWindowVisible(hwnd_) != 0; }
    void Minimize() override { ShowWindow(hwnd_, SW_MINIMIZE); }
    void SetClientSize(int width, int height) override;
    void MoveTo(Point screenTopLeft) override;
    Rect Geometry() const override;
    bool StartSystemMove() override;
    void SetTitle(std::string_view title) override;
    std::string Title() const override;
    void SetIcon(const std::vector<std::span<const std::uint8_t>>& pngImages) override;
    void GrabPointer() override { SetCapture(hwnd_); }
    void ReleasePointer() override;
    void SetCursor(const Cursor& cursor) override;
    Point PointerPosition() const override;
    std::optional<bool> LeftButtonHeld() const override;
    Rect ScreenRect() const override;
    int LogicalDpiX() const override;
    int LogicalDpiY() const override;
    void UpdateScreen(const Rect& area) override;
    void CaretChanged() override;
    void SetClipboardText(const std::string& utf8) override;
    std::string ClipboardText() const override;
    void Post(int message, std::uintptr_t wParam, std::intptr_t lParam) override;
    void RequestPaintPass() override;
    void RunModalLoop() override;
    void ExitModalLoop() override;

private:
    struct Queued {
        bool paintPass = false;
        int message = 0;
        std::uintptr_t wParam = 0;
        std::intptr_t lParam = 0;
    };

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();
    void DeliverMouse(InputKind kind, LPARAM lParam, WPARAM wParam);
    void DeliverKey(WPARAM virtualKey, bool pressed);
    void DeliverQueued();
    void ApplyCursor() const;

    DialogWindow& window_;
    Win32EventLoop& loop_;
    HWND hwnd_ = nullptr;
    std::deque<Queued> queue_;
    bool* exitRequested_ = nullptr;
    bool caretOn_ = false;
    Cursor cursor_ = Cursor::Arrow();
    // Each picture's system cursor, made once; the Cursor copy keeps the picture,
    // and so its address, alive.
    struct MadeCursor {
        Cursor keep;
        HCURSOR handle = nullptr;
    };
    std::map<const std::uint8_t*, MadeCursor> cursors_;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
};

} // namespace lumet
