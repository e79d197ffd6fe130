#pragma once

#include "platform/export/Clipboard.h"
#include "platform/export/MailHandOff.h"
#include "platform/export/Printer.h"
#include "platform/export/TextViewer.h"

namespace lumet {

// The outside services the report's export buttons use.
struct ExportServices {
    Printer& printer;
    MailHandOff& mail;
    Clipboard& clipboard;
    TextViewer& viewer;
};

} // namespace lumet
