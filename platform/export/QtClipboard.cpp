#include "platform/export/QtClipboard.h"

#include "platform/qtgdi/BitmapImage.h"

#include <QClipboard>
#include <QGuiApplication>

namespace lumet {

void QtClipboard::SetPicture(const Bitmap& picture) {
    // The clipboard keeps the image after the bitmap is gone: it gets its own pixels.
    QGuiApplication::clipboard()->setImage(ImageView(picture).copy());
}

void QtClipboard::Clear() {
    QGuiApplication::clipboard()->clear();
}

} // namespace lumet
