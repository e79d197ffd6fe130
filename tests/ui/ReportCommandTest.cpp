#include "ui/ReportCommand.h"

#include "platform/qtgdi/QtFontEngine.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/ui/ReportExportSupport.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace lumet {
namespace {

using test::InTemporaryDirectory;
using test::RecordingMessageBoxes;
using test::RecordingTextViewer;
using Log = std::vector<std::string>;

// The main window's side, written into one log with the report source's calls.
class FakeReportWindow final : public ReportWindow {
public:
    explicit FakeReportWindow(Log& log) : log_(log) {}

    const ReportCommand* command = nullptr;
    Rect windowRect{100, 50, 460, 166};
    std::string programDirectory;

    void SetTestIdle() override { log_.push_back("SetTestIdle"); }
    void StopRepBlink() override { log_.push_back("StopRepBlink"); }
    void EnableReportButtonIfProbed() override { log_.push_back("EnableReportButtonIfProbed"); }
    void SlideReportPanelOpen() override {
        const bool written =
            std::filesystem::exists("_report.bmp") && std::filesystem::exists("_report.txt");
        log_.push_back(std::string("SlideReportPanelOpen") + (written ? " after the files" : ""));
    }
    void SlideReportPanelClosed() override { log_.push_back("SlideReportPanelClosed" + Closing()); }
    void ShowExportButtons(bool shown) override {
        log_.push_back(shown ? "ShowExportButtons" : "HideExportButtons");
    }
    void RepaintWindow() override { log_.push_back("RepaintWindow" + Closing()); }
    Rect WindowRect() const override { return windowRect; }
    Resolution ScreenResolution() const override { return {96, 96}; }
    std::string ProgramDirectory() const override { return programDirectory; }

private:
    std::string Closing() const {
        return command != nullptr && command->reportPanelClosing() ? " while closing" : "";
    }

    Log& log_;
};

class FakeReportSource final : public ReportSource {
public:
    explicit FakeReportSource(Log& log) : log_(log) {}

    std::string localAddress = "10.1.2.3";
    // Held answers wait for Answer(); others come at once.
    bool holdAnswer = false;
    std::function<void()> held;

    void GetLocalAddress(std::function<void()> done) override {
        log_.push_back("GetLocalAddress");
        if (holdAnswer) {
            held = std::move(done);
            return;
        }
        data_.localAddressText = localAddress;
        done();
    }
    void CancelLocalAddress() override {
        log_.push_back("CancelLocalAddress");
        held = nullptr;
    }
    void Answer() {
        data_.localAddressText = localAddress;
        std::exchange(held, nullptr)();
    }
    ReportData CollectReportData() const override {
        log_.push_back("CollectReportData");
        return data_;
    }
    const ReportFonts& ReportFontSet() const override { return fonts_; }
    const DeviceContext& ReportPanelBackground() const override { return background_; }
    DeviceContext& ReportPanelBuffer() override { return buffer_; }

private:
    Log& log_;
    ReportData data_ = test::ThirtyTwoProbeRun();
    ReportFonts fonts_ = ReportFonts::Create(QtFontEngine{});
    DeviceContext background_{Bitmap(360, 300)};
    DeviceContext buffer_{Bitmap(360, 300)};
};

class NoPrinter final : public Printer {
public:
    bool ChoosePrinter() override { return true; }
    PrinterPage Page() const override { return {}; }
    bool CanPrintPictures() const override { return false; }
    bool PrintPicture(const std::string&, const Bitmap&, const Rect&) override { return false; }
};

class UnavailableMail final : public MailHandOff {
public:
    bool IsAvailable() const override { return false; }
    std::string MissingClientNotice() const override { return "install mail"; }
    bool Send(const std::string&, const std::string&, const std::filesystem::path&) override {
        return false;
    }
};

class RecordingClipboard final : public Clipboard {
public:
    std::vector<Size> pictures;
    int clears = 0;
    void SetPicture(const Bitmap& picture) override {
        pictures.push_back(Size{picture.Width(), picture.Height()});
    }
    void Clear() override { ++clears; }
};

class ReportCommandTest : public ::testing::Test {
protected:
    ReportCommandTest() { window_.command = &command_; }

    void WriteOldReports() {
        test::WriteFile("_report.txt", "old text report");
        test::WriteFile("_report.bmp", "old picture");
    }

    InTemporaryDirectory directory_;
    Log log_;
    FakeReportWindow window_{log_};
    FakeReportSource source_{log_};
    RecordingMessageBoxes messages_;
    NoPrinter printer_;
    UnavailableMail mail_;
    RecordingClipboard clipboard_;
    RecordingTextViewer viewer_;
    ReportCommand command_{window_, source_, messages_,
                           ExportServices{printer_, mail_, clipboard_, viewer_}};
};

TEST_F(ReportCommandTest, FirstPressWritesFreshReportsAndOpensThePanel) {
    WriteOldReports();
    command_.OnReport();

    const Log expected{"SetTestIdle",
                       "StopRepBlink",
                       "GetLocalAddress",
                       "CollectReportData",
                       "SlideReportPanelOpen after the files",
                       "ShowExportButtons"};
    EXPECT_EQ(log_, expected);
    EXPECT_TRUE(command_.ReportPanelOpen());
    EXPECT_FALSE(command_.reportPanelClosing());
    EXPECT_TRUE(messages_.shown.empty());

    const std::string text = test::ReadFile("_report.txt");
    EXPECT_EQ(text.rfind("LUMET REPORT\r\n\r\n", 0), 0U);
    // The address found just before writing is the one reported.
    EXPECT_NE(text.find("your IP address: 10.1.2.3\r\n"), std::string::npos);
    EXPECT_EQ(std::filesystem::file_size("_report.bmp"), 15422U);
    // The panel buffer now holds the report in light cyan over the background.
    EXPECT_TRUE(test::HasInk(source_.ReportPanelBuffer().CurrentBitmap(), Rect{30, 10, 120, 24},
                             Color{0, 0, 0}));
}

TEST_F(ReportCommandTest, SecondPressClosesThePanelAndLeavesTheFiles) {
    command_.OnReport();
    const std::string text = test::ReadFile("_report.txt");
    const std::string picture = test::ReadFile("_report.bmp");
    log_.clear();

    command_.OnReport();

    const Log expected{"SetTestIdle", "StopRepBlink", "HideExportButtons",
                       "SlideReportPanelClosed while closing", "RepaintWindow while closing"};
    EXPECT_EQ(log_, expected);
    EXPECT_FALSE(command_.ReportPanelOpen());
    EXPECT_FALSE(command_.reportPanelClosing());
    EXPECT_EQ(test::ReadFile("_report.txt"), text);
    EXPECT_EQ(test::ReadFile("_report.bmp"), picture);
}

TEST_F(ReportCommandTest, UnwritableTextReportKeepsThePanelClosed) {
    // A directory in the report's place cannot be replaced by a file.
    std::filesystem::create_directories("_report.txt/occupied");
    command_.OnReport();

    EXPECT_FALSE(command_.ReportPanelOpen());
    ASSERT_EQ(messages_.shown.size(), 1U);
    EXPECT_EQ(messages_.shown[0].text, "Failed to create TXT report");
    EXPECT_EQ(std::count(log_.begin(), log_.end(), "ShowExportButtons"), 0);
    EXPECT_EQ(log_.back(), "CollectReportData");
}

TEST_F(ReportCommandTest, UnwritablePictureIsToldAndThePanelStillOpens) {
    WriteOldReports();
    std::filesystem::remove("_report.bmp");
    std::filesystem::create_directories("_report.bmp/occupied");
    command_.OnReport();

    EXPECT_TRUE(command_.ReportPanelOpen());
    ASSERT_EQ(messages_.shown.size(), 1U);
    EXPECT_EQ(messages_.shown[0].text, "Failed to create BMP report");
    EXPECT_EQ(test::ReadFile("_report.txt").rfind("LUMET REPORT", 0), 0U);
}

TEST_F(ReportCommandTest, OtherCommandsCloseAnOpenPanelAndHideTheButtons) {
    command_.CloseReportPanel();
    EXPECT_TRUE(log_.empty());

    command_.OnReport();
    log_.clear();
    command_.CloseReportPanel();

    const Log expected{"StopRepBlink", "EnableReportButtonIfProbed", "HideExportButtons",
                       "SlideReportPanelClosed"};
    EXPECT_EQ(log_, expected);
    EXPECT_FALSE(command_.ReportPanelOpen());

    // REP then opens it again with fresh reports.
    log_.clear();
    source_.localAddress = "10.9.9.9";
    command_.OnReport();
    EXPECT_TRUE(command_.ReportPanelOpen());
    EXPECT_EQ(log_.back(), "ShowExportButtons");
    EXPECT_NE(test::ReadFile("_report.txt").find("10.9.9.9"), std::string::npos);
}

TEST_F(ReportCommandTest, WhileTheLocalAddressIsLookedUpTheReportWaitsForIt) {
    // REP pressed again meanwhile does not start a second report; a command that
    // closes the panel also drops the report that was about to open it.
    struct Row {
        const char* fault;
        bool closeMeanwhile;
        bool panelOpen;
    };
    const Row rows[] = {
        {"the second press makes a second lookup or opens a half-made panel", false, true},
        {"a test started meanwhile has the panel slide open over it", true, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fault);
        log_.clear();
        source_.holdAnswer = true;
        command_.OnReport();
        command_.OnReport();
        EXPECT_EQ(std::count(log_.begin(), log_.end(), "GetLocalAddress"), 1);
        EXPECT_FALSE(command_.ReportPanelOpen());
        if (row.closeMeanwhile) {
            command_.CloseReportPanel();
        }

        if (source_.held) {
            source_.Answer();
        }

        EXPECT_EQ(command_.ReportPanelOpen(), row.panelOpen);
        EXPECT_EQ(std::count(log_.begin(), log_.end(), "CollectReportData"), row.panelOpen);
        if (command_.ReportPanelOpen()) {
            command_.OnReport();
        }
    }
}

TEST_F(ReportCommandTest, PrintFallbackPlacesTheTextReportBelowTheWindow) {
    command_.OnReport();
    command_.OnPrint();

    ASSERT_EQ(viewer_.placed.size(), 1U);
    EXPECT_EQ(viewer_.placed[0].rect, (Rect{100, 168, 460, 568}));
}

TEST_F(ReportCommandTest, MailWithoutAClientShowsTheNotice) {
    command_.OnReport();
    command_.OnMail();

    ASSERT_EQ(messages_.shown.size(), 1U);
    EXPECT_EQ(messages_.shown[0].caption, "Notification");
}

TEST_F(ReportCommandTest, CopyPutsThePictureOnTheClipboard) {
    command_.OnReport();
    command_.OnCopy();

    ASSERT_EQ(clipboard_.pictures.size(), 1U);
    EXPECT_EQ(clipboard_.pictures[0], (Size{360, 320}));
    EXPECT_EQ(clipboard_.clears, 0);
}

} // namespace
} // namespace lumet
