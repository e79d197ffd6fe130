#pragma once

#include "display/WindowCanvas.h"

namespace lumet {

class DialogWindow;

// Copies straight onto the dialog's client area, each copy shown at once.
class ClientWindowCanvas final : public WindowCanvas {
public:
    explicit ClientWindowCanvas(DialogWindow& window) : window_(window) {}

    void CopyToWindow(const DeviceContext& image, Point clientOrigin) override;

private:
    DialogWindow& window_;
};

} // namespace lumet
