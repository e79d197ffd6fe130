#pragma once

#include "platform/export/Clipboard.h"

namespace lumet {

// COPY: puts _report.bmp from the current directory on the clipboard as a picture.
// When it cannot be loaded the clipboard is left empty.
void CopyReport(Clipboard& clipboard);

} // namespace lumet
