#include "platform/qtwindow/QtBeep.h"

#include <QApplication>

namespace lumet {

void QtBeep::Play() {
    QApplication::beep();
}

} // namespace lumet
