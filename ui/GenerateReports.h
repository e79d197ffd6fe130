#pragma once

#include "platform/dialogs/MessageBoxes.h"
#include "ui/ReportSource.h"

namespace lumet {

// Makes both reports of the last test afresh in the current directory, _report.bmp
// then _report.txt, and draws the report panel; the caller has refreshed this
// host's address first. Returns false when the text report could not be written; the user has
// been told and the panel is left as it was.
bool GenerateReports(ReportSource& source, MessageBoxes& messages);

} // namespace lumet
