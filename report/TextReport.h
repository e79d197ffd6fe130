#pragma once

#include "platform/dialogs/MessageBoxes.h"
#include "report/ReportData.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace lumet {

// The exact bytes of _report.txt: single-byte text with CR LF line ends.
std::string FormatTextReport(const ReportData& data);

// Writes the report to `file` in one go. A failure shows "Failed to create TXT
// report" and returns false; an existing report at `file` is then left as it was,
// and `why`, when given, says what failed.
bool WriteTextReport(const ReportData& data, const std::filesystem::path& file,
                     MessageBoxes& messages, std::error_code* why = nullptr);

} // namespace lumet
