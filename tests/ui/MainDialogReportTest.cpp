#include "platform/export/Clipboard.h"
#include "platform/export/MailHandOff.h"
#include "platform/export/Printer.h"
#include "platform/export/TextViewer.h"
#include "platform/qtwindow/HostWidget.h"
#include "tests/ui/MainDialogFixture.h"
#include "ui/SkinButton.h"

#include <QCursor>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace lumet::test {
namespace {

using Id = MainDialogTemplate::ControlId;

const Rect kReportArea{0, 116, 360, 416};
const Rect kLowerBand{6, 56, 326, 110};

class IdlePrinter final : public Printer {
public:
    bool ChoosePrinter() override { return false; }
    PrinterPage Page() const override { return {}; }
    bool CanPrintPictures() const override { return false; }
    bool PrintPicture(const std::string&, const Bitmap&, const Rect&) override { return false; }
};

class IdleMail final : public MailHandOff {
public:
    bool IsAvailable() const override { return false; }
    std::string MissingClientNotice() const override { return {}; }
    bool Send(const std::string&, const std::string&, const std::filesystem::path&) override {
        return false;
    }
};

class IdleClipboard final : public Clipboard {
public:
    void SetPicture(const Bitmap&) override {}
    void Clear() override {}
};

class IdleViewer final : public TextViewer {
public:
    bool Show(const std::filesystem::path&, const std::string&) override { return false; }
    void Place(const std::string&, const Rect&) override {}
};

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream input(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
}

// The report files go to the current directory: the test's own one.
class MainDialogReportTest : public MainDialogTest {
protected:
    IdlePrinter printer;
    IdleMail mail;
    IdleClipboard clipboard;
    IdleViewer viewer;
    std::filesystem::path previousDirectory = std::filesystem::current_path();
    QTemporaryDir workDirectory;

    void SetUp() override {
        MainDialogTest::SetUp();
        Store("PingCount", 4);
        Store("PingInterval", 1);
        exports.emplace(ExportServices{printer, mail, clipboard, viewer});
        std::filesystem::current_path(workDirectory.path().toStdString());
    }

    void TearDown() override { std::filesystem::current_path(previousDirectory); }

    std::filesystem::path InWork(const char* name) const {
        return std::filesystem::path(workDirectory.path().toStdString()) / name;
    }

    // Pixels of the report area that differ from the panel buffer, the export
    // buttons over it left out.
    static int PanelPixelsOff(MainDialog& made) {
        const Bitmap& panel = made.Buffers().reportPanel.CurrentBitmap();
        int count = 0;
        for (int y = kReportArea.top; y < kReportArea.bottom; ++y) {
            for (int x = kReportArea.left; x < kReportArea.right; ++x) {
                bool onButton = false;
                for (const int id : {Id::kEmailButton, Id::kCopyButton, Id::kPrintButton}) {
                    const Rect& r = made.Controls().Find(id)->WindowRect();
                    onButton =
                        onButton || (x >= r.left && x < r.right && y >= r.top && y < r.bottom);
                }
                if (!onButton && made.Window().SurfacePixels().Pixel(x, y) !=
                                     panel.Pixel(x - kReportArea.left, y - kReportArea.top)) {
                    ++count;
                }
            }
        }
        return count;
    }
};

TEST_F(MainDialogReportTest, ReportAfterARunWritesBothFilesAndSlidesThePanelOpenAndShut) {
    echo.fallback = ProbeResult{120, 0, 64, 0};
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        const MouseWiggler wiggler(timers, window);
        Click(window, CenterOf(*made.Controls().Find(Id::kRunButton)));
        ASSERT_TRUE(WaitForIdle(made));
        ASSERT_EQ(made.Controller().probeCount(), 4);
        Settle();
        const Rect placed = window.WindowRect();

        Click(window, CenterOf(*made.Controls().Find(Id::kReportButton)));
        Settle();
        EXPECT_TRUE(made.Report().ReportPanelOpen());
        EXPECT_EQ(window.ClientHeight(), DialogWindow::kExtendedHeight);
        EXPECT_EQ(window.ClientHeight(), 416);
        EXPECT_EQ(PanelPixelsOff(made), 0);
        const std::string text = ReadBytes(InWork("_report.txt"));
        EXPECT_NE(text.find("127.0.0.1"), std::string::npos) << text;
        EXPECT_EQ(ReadBytes(InWork("_report.bmp")).substr(0, 2), "BM");
        for (const int id : {Id::kEmailButton, Id::kCopyButton, Id::kPrintButton}) {
            EXPECT_TRUE(made.Controls().Find(id)->IsVisible()) << id;
            EXPECT_TRUE(made.Controls().Find(id)->IsEnabled()) << id;
        }
        EXPECT_FALSE(window.GetTimers().IsRunning(TestController::kBlinkTimerId));

        Click(window, CenterOf(*made.Controls().Find(Id::kReportButton)));
        Settle();
        EXPECT_FALSE(made.Report().ReportPanelOpen());
        EXPECT_FALSE(made.Report().reportPanelClosing());
        EXPECT_EQ(window.ClientHeight(), 116);
        EXPECT_EQ(window.WindowRect().left, placed.left);
        EXPECT_EQ(window.WindowRect().top, placed.top);
        for (const int id : {Id::kEmailButton, Id::kCopyButton, Id::kPrintButton}) {
            EXPECT_FALSE(made.Controls().Find(id)->IsVisible()) << id;
            EXPECT_FALSE(made.Controls().Find(id)->IsEnabled()) << id;
        }
        // The files stay for the export buttons and later runs.
        EXPECT_TRUE(std::filesystem::exists(InWork("_report.txt")));
        EXPECT_TRUE(std::filesystem::exists(InWork("_report.bmp")));
    });
    EXPECT_EQ(echo.requests.size(), 4u);
}

TEST_F(MainDialogReportTest, AnotherCommandClosesTheOpenReportPanel) {
    echo.fallback = ProbeResult{120, 0, 64, 0};
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        const MouseWiggler wiggler(timers, window);
        Click(window, CenterOf(*made.Controls().Find(Id::kRunButton)));
        ASSERT_TRUE(WaitForIdle(made));
        Click(window, CenterOf(*made.Controls().Find(Id::kReportButton)));
        Settle(); // the local address comes through the event loop
        ASSERT_TRUE(made.Report().ReportPanelOpen());

        Click(window, CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        Settle();
        EXPECT_FALSE(made.Report().ReportPanelOpen());
        EXPECT_EQ(window.ClientHeight(), 116);
        EXPECT_FALSE(made.Controls().Find(Id::kPrintButton)->IsEnabled());
        EXPECT_TRUE(made.Panels().SettingsPanelOpen());
    });
}

TEST_F(MainDialogTest, AddressFieldTakesTypedCapitalsInLowerCase) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        EditControl& address = made.Controls().AddressField();
        DoubleClick(window, Point{150, 80});
        ASSERT_TRUE(made.Zone().AddressEntryMode());
        ASSERT_TRUE(address.HasFocus());
        address.SetWindowText("");
        for (const char c : std::string("LOCALHOST")) {
            Press(window, Key::Other, static_cast<char32_t>(c));
        }
        EXPECT_EQ(address.GetWindowText(), "localhost");
        // A host name takes the smaller font further down.
        EXPECT_EQ(address.WindowRect().left, AddressEdit::kNameOrigin.x);
        EXPECT_EQ(address.WindowRect().top, AddressEdit::kNameOrigin.y);
    });
}

TEST_F(MainDialogTest, RestingOnRunShowsItsWordOverTheDisplayArea) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        Settle();
        const Bitmap before = window.SurfacePixels();
        auto* const run = dynamic_cast<SkinButton*>(made.Controls().FindButton(Id::kRunButton));
        ASSERT_NE(run, nullptr);
        const Point inside = CenterOf(*run);
        window.DeliverMouse(InputKind::MouseMove, inside, inside);
        QCursor::setPos(HostWidget::Of(window).mapToGlobal(QPoint(inside.x, inside.y)));
        ASSERT_EQ(window.CursorPos(), inside);
        // The word waits for the pointer to rest 100 ms, timed by the button's own
        // timer, which the window's timer source makes like every other.
        EXPECT_FALSE(WaitFor([run] { return run->IsHovering(); }, 99));
        EXPECT_TRUE(WaitFor([run] { return run->IsHovering(); }, 1));
        EXPECT_TRUE(made.Hover().hoverWordShown);
        EXPECT_GT(DifferingPixels(window, kLowerBand, before, Point{6, 56}), 0);
        // The overlay pass leaves the word alone.
        window.InvalidateClient();
        Settle();
        EXPECT_GT(DifferingPixels(window, kLowerBand, before, Point{6, 56}), 0);

        const Point outside{200, 20};
        window.DeliverMouse(InputKind::MouseMove, outside, outside);
        Settle();
        EXPECT_FALSE(made.Hover().hoverWordShown);
        EXPECT_EQ(DifferingPixels(window, kLowerBand, before, Point{6, 56}), 0);
    });
}

} // namespace
} // namespace lumet::test
