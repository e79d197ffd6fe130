#include "platform/window/win32/Win32HelpViewer.h"

#include "platform/win32/Utf16.h"
#include "platform/window/win32/Win32HostWindow.h"

namespace lumet {

namespace {

constexpr wchar_t kClassName[] = L"LumetHelp";
constexpr int kWidth = 640;
constexpr int kHeight = 560;

ATOM RegisterHelpClass(WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass);
}

// The edit control breaks lines at "\r\n" only.
std::wstring WithCrLf(const std::string& text) {
    std::string lines;
    lines.reserve(text.size() + text.size() / 32);
    for (const char c : text) {
        if (c == '\n') {
            lines += '\r';
        }
        lines += c;
    }
    return Utf16(lines);
}

} // namespace

Win32HelpViewer::~Win32HelpViewer() {
    if (Window() != nullptr) {
        DestroyWindow(window_);
    }
}

std::string Win32HelpViewer::Text() const {
    if (Window() == nullptr) {
        return {};
    }
    const int length = GetWindowTextLengthW(edit_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(edit_, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    std::string lines = Utf8(text);
    std::erase(lines, '\r');
    return lines;
}

void Win32HelpViewer::Show(const std::string& text, HostWindow* owner) {
    const auto* const host = dynamic_cast<Win32HostWindow*>(owner);
    const HWND ownerWindow = host != nullptr ? host->Handle() : nullptr;
    // An owned window goes when its owner does; a new owner needs a new window.
    if (Window() == nullptr || ownerWindow != owner_) {
        if (Window() != nullptr) {
            DestroyWindow(window_);
        }
        Create(ownerWindow);
    }
    if (Window() == nullptr) {
        return;
    }
    SetWindowTextW(edit_, WithCrLf(text).c_str());
    SendMessageW(edit_, EM_SETSEL, 0, 0);
    SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
    ShowWindow(window_, SW_SHOWNORMAL);
    SetForegroundWindow(window_);
}

void Win32HelpViewer::Create(HWND owner) {
    static const ATOM registered = RegisterHelpClass(&Win32HelpViewer::WindowProc);
    static_cast<void>(registered);
    owner_ = owner;
    window_ = CreateWindowExW(0, kClassName, Utf16(kCaption).c_str(), WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, CW_USEDEFAULT, kWidth, kHeight, owner, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) {
        return;
    }
    edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                            0, 0, 0, 0, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)),
                 FALSE);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(edit_));
    RECT client{};
    GetClientRect(window_, &client);
    MoveWindow(edit_, 0, 0, client.right, client.bottom, FALSE);
}

LRESULT CALLBACK Win32HelpViewer::WindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    if (message == WM_SIZE) {
        const auto edit = reinterpret_cast<HWND>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (edit != nullptr) {
            MoveWindow(edit, 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace lumet
