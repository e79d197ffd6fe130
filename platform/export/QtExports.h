#pragma once

#include "platform/export/QtClipboard.h"
#include "platform/export/QtPrinter.h"
#include "platform/export/QtTextViewer.h"
#include "platform/export/XdgMailHandOff.h"

namespace lumet {

// The report's export services on Linux, in one place for the program to hand out.
struct QtExports {
    QtPrinter printer;
    XdgMailHandOff mail;
    QtClipboard clipboard;
    QtTextViewer viewer;
};

} // namespace lumet
