#pragma once

#include "tools/lumet-cli/PictureReportWriter.h"

namespace lumet::cli {

// The picture report with its texts drawn by GDI, which every Windows has: linked
// in, where Linux loads its Qt-based writer only when a picture is due.
class GdiPictureWriter final : public PictureReportWriter {
public:
    bool Write(const ReportData& data, const std::filesystem::path& file, MessageBoxes& messages,
               std::error_code& why) override;
};

} // namespace lumet::cli
