// The picture module: everything lumet-cli needs Qt Gui for, loaded only when a
// test writes its picture report.

#include "app/Version.h"
#include "platform/qtgdi/QtFontEngine.h"
#include "report/BitmapReport.h"
#include "report/ReportFonts.h"
#include "tools/lumet-cli/PictureReportWriter.h"

#include <QGuiApplication>
#include <array>
#include <memory>

namespace lumet::cli {
namespace {

class GuiPictureWriter final : public PictureReportWriter {
public:
    bool Write(const ReportData& data, const std::filesystem::path& file, MessageBoxes& messages,
               std::error_code& why) override {
        if (!application_) {
            // The fonts need a QGuiApplication; without a display it runs off screen,
            // so the tool works over ssh and in scripts.
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
                qEnvironmentVariableIsEmpty("DISPLAY") &&
                qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
                qputenv("QT_QPA_PLATFORM", "offscreen");
            }
            application_ = std::make_unique<QGuiApplication>(argc_, argv_.data());
        }
        return WriteBitmapReport(data, ReportFonts::Create(QtFontEngine{}), VersionString, file,
                                 messages, &why);
    }

private:
    // Qt sees only the program's name, so it never takes an option of its own.
    char name_[10] = "lumet-cli";
    std::array<char*, 2> argv_{name_, nullptr};
    int argc_ = 1;
    std::unique_ptr<QGuiApplication> application_;
};

} // namespace
} // namespace lumet::cli

extern "C" __attribute__((visibility("default"))) lumet::cli::PictureReportWriter*
lumet_cli_make_picture_writer() {
    return new lumet::cli::GuiPictureWriter();
}
