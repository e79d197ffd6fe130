#include "platform/window/win32/Win32HostWindow.h"

#include "platform/win32/Utf16.h"
#include "platform/window/DialogWindow.h"
#include "platform/window/win32/VirtualKeys.h"

#include <cstring>
#include <windowsx.h>

namespace lumet {

namespace {

constexpr wchar_t kClassName[] = L"LumetDialog";
// Wakes the window for the next entry of its own queue.
constexpr UINT kQueuedMessage = WM_APP + 0x3F0;
constexpr UINT_PTR kCaretTimer = 1;

// The system's own cursors are numbered resources; without UNICODE the headers
// spell their numbers as narrow names.
HCURSOR SystemCursor(LPSTR id) {
    return LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(id));
}

ATOM RegisterDialogClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    // Double clicks arrive as WM_LBUTTONDBLCLK, as the dialog's buttons expect.
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = SystemCursor(IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass);
}

Point PointOf(LPARAM lParam) {
    return Point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

KeyModifiers CurrentModifiers() {
    const auto down = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
    return KeyModifiers{down(VK_SHIFT), down(VK_CONTROL), down(VK_MENU)};
}

// A PNG file's width, from its IHDR chunk; 0 when it is not one.
int PngWidth(std::span<const std::uint8_t> png) {
    static constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < 24 || std::memcmp(png.data(), kSignature, sizeof(kSignature)) != 0) {
        return 0;
    }
    return (png[16] << 24) | (png[17] << 16) | (png[18] << 8) | png[19];
}

// The picture of the wanted size, else the smallest larger one: the system
// scales icons down better than up.
std::span<const std::uint8_t> PickIcon(const std::vector<std::span<const std::uint8_t>>& pngs,
                                       int wanted) {
    std::span<const std::uint8_t> best;
    int bestWidth = 0;
    for (const auto png : pngs) {
        const int width = PngWidth(png);
        const bool better = width >= wanted && (bestWidth < wanted || width < bestWidth);
        if (width > 0 && (best.empty() || better)) {
            best = png;
            bestWidth = width;
        }
    }
    return best;
}

HICON IconFromPng(std::span<const std::uint8_t> png, int size) {
    if (png.empty()) {
        return nullptr;
    }
    // Since Vista an icon resource may be a whole PNG file.
    return CreateIconFromResourceEx(const_cast<PBYTE>(png.data()), static_cast<DWORD>(png.size()),
                                    TRUE, 0x00030000, size, size, LR_DEFAULTCOLOR);
}

HCURSOR CursorFromPng(const Cursor& cursor) {
    // A cursor resource is its hot spot, two 16-bit words, then the image; since
    // Vista the image may be a whole PNG file.
    const std::span<const std::uint8_t> png = cursor.Png();
    std::vector<BYTE> resource(4 + png.size());
    const auto x = static_cast<std::uint16_t>(cursor.HotSpot().x);
    const auto y = static_cast<std::uint16_t>(cursor.HotSpot().y);
    std::memcpy(resource.data(), &x, 2);
    std::memcpy(resource.data() + 2, &y, 2);
    std::memcpy(resource.data() + 4, png.data(), png.size());
    return CreateIconFromResourceEx(resource.data(), static_cast<DWORD>(resource.size()), FALSE,
                                    0x00030000, cursor.Width(), cursor.Height(), LR_DEFAULTCOLOR);
}

} // namespace

Win32HostWindow::Win32HostWindow(DialogWindow& window, Win32EventLoop& loop)
    : window_(window), loop_(loop) {
    static const ATOM registered = RegisterDialogClass(&Win32HostWindow::WindowProc);
    static_cast<void>(registered);
    // WS_POPUP: no frame or caption, the skin is the whole window; the system menu
    // and minimise box keep the task bar's menu and minimising working.
    hwnd_ = CreateWindowExW(WS_EX_APPWINDOW, kClassName, L"",
                            WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT, CW_USEDEFAULT,
                            DialogWindow::kClientWidth, DialogWindow::kCollapsedHeight, nullptr,
                            nullptr, GetModuleHandleW(nullptr), this);
}

Win32HostWindow::~Win32HostWindow() {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    for (const auto& [picture, made] : cursors_) {
        DestroyCursor(made.handle);
    }
    if (bigIcon_ != nullptr) {
        DestroyIcon(bigIcon_);
    }
    if (smallIcon_ != nullptr) {
        DestroyIcon(smallIcon_);
    }
}

void Win32HostWindow::Show() {
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    window_.DeliverExpose();
}

void Win32HostWindow::SetClientSize(int width, int height) {
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32HostWindow::MoveTo(Point screenTopLeft) {
    SetWindowPos(hwnd_, nullptr, screenTopLeft.x, screenTopLeft.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect Win32HostWindow::Geometry() const {
    RECT placed{};
    GetWindowRect(hwnd_, &placed);
    return Rect{placed.left, placed.top, placed.right, placed.bottom};
}

bool Win32HostWindow::StartSystemMove() {
    // The system's own move loop, as a drag of a caption would start it. It runs
    // when the message is handled, from the event loop, so this returns at once.
    ReleaseCapture();
    PostMessageW(hwnd_, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, 0);
    return true;
}

void Win32HostWindow::SetTitle(std::string_view title) {
    SetWindowTextW(hwnd_, Utf16(title).c_str());
}

std::string Win32HostWindow::Title() const {
    const int length = GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return Utf8(text);
}

void Win32HostWindow::SetIcon(const std::vector<std::span<const std::uint8_t>>& pngImages) {
    const int big = GetSystemMetrics(SM_CXICON);
    const int small = GetSystemMetrics(SM_CXSMICON);
    HICON const newBig = IconFromPng(PickIcon(pngImages, big), big);
    HICON const newSmall = IconFromPng(PickIcon(pngImages, small), small);
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(newBig));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(newSmall));
    if (bigIcon_ != nullptr) {
        DestroyIcon(bigIcon_);
    }
    if (smallIcon_ != nullptr) {
        DestroyIcon(smallIcon_);
    }
    bigIcon_ = newBig;
    smallIcon_ = newSmall;
}

void Win32HostWindow::ReleasePointer() {
    if (GetCapture() == hwnd_) {
        ReleaseCapture();
    }
}

void Win32HostWindow::SetCursor(const Cursor& cursor) {
    cursor_ = cursor;
    const std::uint8_t* const picture = cursor.Png().data();
    if (picture != nullptr && cursors_.count(picture) == 0) {
        cursors_.emplace(picture, MadeCursor{cursor, CursorFromPng(cursor)});
    }
    ApplyCursor();
}

void Win32HostWindow::ApplyCursor() const {
    HCURSOR shape = SystemCursor(IDC_ARROW);
    if (cursor_.GetShape() == Cursor::Shape::IBeam) {
        shape = SystemCursor(IDC_IBEAM);
    } else if (const std::uint8_t* const picture = cursor_.Png().data()) {
        const auto made = cursors_.find(picture);
        if (made != cursors_.end() && made->second.handle != nullptr) {
            shape = made->second.handle;
        }
    }
    ::SetCursor(shape);
}

Point Win32HostWindow::PointerPosition() const {
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(hwnd_, &pointer);
    return Point{pointer.x, pointer.y};
}

std::optional<bool> Win32HostWindow::LeftButtonHeld() const {
    // The primary button is the right one for a left-handed mouse setting.
    const int primary = GetSystemMetrics(SM_SWAPBUTTON) != 0 ? VK_RBUTTON : VK_LBUTTON;
    return (GetAsyncKeyState(primary) & 0x8000) != 0;
}

Rect Win32HostWindow::ScreenRect() const {
    return Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

int Win32HostWindow::LogicalDpiX() const {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

int Win32HostWindow::LogicalDpiY() const {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

void Win32HostWindow::UpdateScreen(const Rect& area) {
    const RECT invalid{area.left, area.top, area.right, area.bottom};
    InvalidateRect(hwnd_, &invalid, FALSE);
}

void Win32HostWindow::CaretChanged() {
    caretOn_ = window_.Caret().has_value();
    if (caretOn_) {
        SetTimer(hwnd_, kCaretTimer, GetCaretBlinkTime(), nullptr);
    } else {
        KillTimer(hwnd_, kCaretTimer);
    }
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void Win32HostWindow::SetClipboardText(const std::string& utf8) {
    const std::wstring text = Utf16(utf8);
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) {
        return;
    }
    std::memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    // The clipboard owns the memory once SetClipboardData takes it.
    if (OpenClipboard(hwnd_) == 0) {
        GlobalFree(memory);
        return;
    }
    EmptyClipboard();
    if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
        GlobalFree(memory);
    }
    CloseClipboard();
}

std::string Win32HostWindow::ClipboardText() const {
    std::string text;
    if (OpenClipboard(hwnd_) == 0) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT); data != nullptr) {
        if (const auto* const units = static_cast<const wchar_t*>(GlobalLock(data))) {
            // The text ends at its terminator or at the end of its memory block.
            const std::size_t limit = GlobalSize(data) / sizeof(wchar_t);
            text = Utf8(std::wstring_view(units, wcsnlen(units, limit)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void Win32HostWindow::Post(int message, std::uintptr_t wParam, std::intptr_t lParam) {
    queue_.push_back(Queued{false, message, wParam, lParam});
    PostMessageW(hwnd_, kQueuedMessage, 0, 0);
}

void Win32HostWindow::RequestPaintPass() {
    queue_.push_back(Queued{true});
    PostMessageW(hwnd_, kQueuedMessage, 0, 0);
}

void Win32HostWindow::DeliverQueued() {
    if (queue_.empty()) {
        return;
    }
    const Queued next = queue_.front();
    queue_.pop_front();
    if (next.paintPass) {
        window_.PaintPass();
    } else {
        window_.DeliverPosted(next.message, next.wParam, next.lParam);
    }
}

void Win32HostWindow::RunModalLoop() {
    bool exitRequested = false;
    bool* const outer = exitRequested_;
    exitRequested_ = &exitRequested;
    while (!exitRequested) {
        loop_.WaitForMessages(INFINITE);
    }
    exitRequested_ = outer;
}

void Win32HostWindow::ExitModalLoop() {
    if (exitRequested_ != nullptr) {
        *exitRequested_ = true;
        // Wakes the wait if nothing else is queued.
        PostMessageW(hwnd_, WM_NULL, 0, 0);
    }
}

void Win32HostWindow::Paint() {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd_, &paint);
    const Bitmap& pixels = window_.SurfacePixels();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = pixels.Width();
    // Negative: the surface's rows run top-down.
    info.bmiHeader.biHeight = -pixels.Height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const int height = window_.ClientHeight();
    StretchDIBits(dc, 0, 0, pixels.Width(), height, 0, 0, pixels.Width(), height,
                  pixels.Pixels().data(), &info, DIB_RGB_COLORS, SRCCOPY);
    const std::optional<Rect> caret = window_.Caret();
    if (caretOn_ && caret) {
        PatBlt(dc, caret->left, caret->top, caret->Width(), caret->Height(), DSTINVERT);
    }
    EndPaint(hwnd_, &paint);
}

void Win32HostWindow::DeliverMouse(InputKind kind, LPARAM lParam, WPARAM wParam) {
    const Point client = PointOf(lParam);
    POINT screen{client.x, client.y};
    ClientToScreen(hwnd_, &screen);
    const KeyModifiers modifiers{(wParam & MK_SHIFT) != 0, (wParam & MK_CONTROL) != 0,
                                 (GetKeyState(VK_MENU) & 0x8000) != 0};
    window_.DeliverMouse(kind, client, Point{screen.x, screen.y}, modifiers);
}

void Win32HostWindow::DeliverKey(WPARAM virtualKey, bool pressed) {
    const Key key = KeyFromVirtualKey(static_cast<unsigned>(virtualKey));
    const KeyModifiers modifiers = CurrentModifiers();
    if (!pressed) {
        window_.DeliverKeyRelease(key, modifiers);
        return;
    }
    // The loop translated the key before dispatching it: its character, if it
    // makes one, is the next WM_CHAR in the queue.
    char32_t character = 0;
    MSG translated{};
    if (PeekMessageW(&translated, hwnd_, WM_CHAR, WM_CHAR, PM_REMOVE) != 0) {
        character = static_cast<char32_t>(translated.wParam);
        const bool high = character >= 0xD800 && character <= 0xDBFF;
        MSG low{};
        if (high && PeekMessageW(&low, hwnd_, WM_CHAR, WM_CHAR, PM_REMOVE) != 0) {
            character = 0x10000 + ((character - 0xD800) << 10) +
                        (static_cast<char32_t>(low.wParam) - 0xDC00);
        }
    }
    window_.DeliverKeyPress(key, character, modifiers);
}

LRESULT CALLBACK Win32HostWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* const create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* const self = reinterpret_cast<Win32HostWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr || self->hwnd_ != hwnd) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT Win32HostWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kQueuedMessage:
        DeliverQueued();
        return 0;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        // The surface covers the whole client area.
        return 1;
    case WM_TIMER:
        if (wParam == kCaretTimer) {
            caretOn_ = !caretOn_;
            InvalidateRect(hwnd_, nullptr, FALSE);
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
        DeliverMouse(InputKind::MouseMove, lParam, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        DeliverMouse(InputKind::LeftButtonDown, lParam, wParam);
        return 0;
    case WM_LBUTTONUP:
        DeliverMouse(InputKind::LeftButtonUp, lParam, wParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        DeliverMouse(InputKind::LeftButtonDoubleClick, lParam, wParam);
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            ApplyCursor();
            return TRUE;
        }
        break;
    case WM_KEYDOWN:
        DeliverKey(wParam, true);
        return 0;
    case WM_KEYUP:
        DeliverKey(wParam, false);
        return 0;
    case WM_SYSKEYDOWN:
        // Alt+F4 goes on to the system, which turns it into WM_CLOSE.
        if (wParam == VK_F4) {
            break;
        }
        DeliverKey(wParam, true);
        return 0;
    case WM_SYSKEYUP:
        DeliverKey(wParam, false);
        return 0;
    case WM_CHAR:
    case WM_SYSCHAR:
        // Taken with their key-down; one left here had no key-down of ours.
        return 0;
    case WM_CLOSE:
        // The dialog decides; the window stays until its modal run ends.
        window_.DeliverClose();
        return 0;
    case WM_SIZE:
        if (wParam == SIZE_RESTORED) {
            window_.DeliverExpose();
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

} // namespace lumet
