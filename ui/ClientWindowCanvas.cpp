#include "ui/ClientWindowCanvas.h"

#include "platform/window/ClientDc.h"
#include "platform/window/DialogWindow.h"

namespace lumet {

void ClientWindowCanvas::CopyToWindow(const DeviceContext& image, Point clientOrigin) {
    const Bitmap& bitmap = image.CurrentBitmap();
    ClientDc dc(window_);
    dc->BitBlt(clientOrigin.x, clientOrigin.y, bitmap.Width(), bitmap.Height(), image, 0, 0,
               Rop::SrcCopy);
}

} // namespace lumet
