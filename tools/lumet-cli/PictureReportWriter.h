#pragma once

#include "platform/dialogs/MessageBoxes.h"
#include "report/ReportData.h"

#include <filesystem>
#include <system_error>

namespace lumet::cli {

// Writes _report.bmp. Drawing its texts needs a font engine: on Linux that is Qt
// Gui, which lumet-cli loads only when a test has a picture to write (see
// PictureModule); on Windows GDI draws them (see win32/GdiPictureWriter).
class PictureReportWriter {
public:
    virtual ~PictureReportWriter() = default;

    // Tells the user through `messages` when the picture cannot be written, and
    // sets `why` when a file operation failed.
    virtual bool Write(const ReportData& data, const std::filesystem::path& file,
                       MessageBoxes& messages, std::error_code& why) = 0;
};

// The function the picture module exports, by this name, to make its writer.
using MakePictureReportWriter = PictureReportWriter* (*)();
inline constexpr const char* kMakePictureReportWriter = "lumet_cli_make_picture_writer";

} // namespace lumet::cli
