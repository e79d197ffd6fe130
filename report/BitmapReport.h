#pragma once

#include "platform/dialogs/MessageBoxes.h"
#include "report/ReportData.h"
#include "report/ReportFonts.h"

#include <filesystem>
#include <string_view>
#include <system_error>

namespace lumet {

// Writes the report picture to `file` as a one-bit 360 × 320 .bmp: the layout in
// black on white inside a frame, this host's address, and a credit line naming
// `versionString`. Every pixel that is not pure white is stored black. A failure
// shows "Failed to create BMP report" and returns false; an existing picture at
// `file` is then left as it was, and `why`, when given, says what failed.
bool WriteBitmapReport(const ReportData& data, const ReportFonts& fonts,
                       std::string_view versionString, const std::filesystem::path& file,
                       MessageBoxes& messages, std::error_code* why = nullptr);

} // namespace lumet
