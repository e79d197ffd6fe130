#pragma once

#include "platform/win32/Win32Api.h"
#include "platform/window/HelpViewer.h"

namespace lumet {

// The help window on Windows: a sizeable window filled by a read-only multi-line
// edit control in the fixed-pitch system font.
class Win32HelpViewer final : public HelpViewer {
public:
    using HelpViewer::HelpViewer;
    ~Win32HelpViewer() override;

    // The viewer's window and its text, while it exists.
    HWND Window() const { return IsWindow(window_) != 0 ? window_ : nullptr; }
    std::string Text() const;

protected:
    void Show(const std::string& text, HostWindow* owner) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Create(HWND owner);

    HWND window_ = nullptr;
    HWND edit_ = nullptr;
    HWND owner_ = nullptr;
};

} // namespace lumet
