#include "platform/export/QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace lumet {

void QtClipboard::SetImage(const QImage& image) {
    QGuiApplication::clipboard()->setImage(image);
}

void QtClipboard::Clear() {
    QGuiApplication::clipboard()->clear();
}

} // namespace lumet
