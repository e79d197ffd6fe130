#include "ui/TitleStatic.h"

#include "platform/window/DialogWindow.h"

namespace lumet {

void TitleStatic::OnLeftButtonDown(Point point) {
    if (Id() == kCaptionStripId && Window() != nullptr) {
        // Moves by the window system's drag where it offers one, by hand otherwise.
        Window()->StartSystemMove();
    }
    StaticControl::OnLeftButtonDown(point);
}

void TitleStatic::OnLeftButtonDoubleClick(Point point) {
    if (Id() == kLogoCornerId && Window() != nullptr) {
        Window()->SendMessage(kToggleAboutMessage, 0, 0);
    }
    StaticControl::OnLeftButtonDoubleClick(point);
}

} // namespace lumet
