#include "platform/export/QtTextViewer.h"
#include "tests/ui/ReportExportSupport.h"
#include "ui/ShowTextReport.h"

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <gtest/gtest.h>

namespace lumet {
namespace {

constexpr Rect kMainWindow{200, 150, 560, 266};
const QString kTitle = QStringLiteral("_report.txt - Notepad");

// Visible top-level windows with that title, whoever made them.
int WindowsTitled(const QString& title) {
    int count = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        count += widget->isVisible() && widget->windowTitle() == title ? 1 : 0;
    }
    return count;
}

class TextReportViewerTest : public ::testing::Test {
protected:
    test::InTemporaryDirectory directory_;
    QtTextViewer viewer_;
};

TEST_F(TextReportViewerTest, ShowsTheReportBelowTheMainWindowsSkin) {
    test::WriteFile("_report.txt", "LUMET REPORT\r\n\r\nPing\tRTT\r\n");
    ShowTextReport(viewer_, kMainWindow);

    const TextViewerWindow* window = viewer_.Window(kTitle.toStdString());
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), kTitle);
    EXPECT_EQ(window->frameGeometry(), QRect(200, 268, 360, 400));
    EXPECT_EQ(window->Text(), QStringLiteral("LUMET REPORT\n\nPing\tRTT\n"));
}

TEST_F(TextReportViewerTest, ReusesTheOpenWindowWithTheNewReport) {
    test::WriteFile("_report.txt", "first\r\n");
    ShowTextReport(viewer_, kMainWindow);
    const TextViewerWindow* first = viewer_.Window(kTitle.toStdString());
    test::WriteFile("_report.txt", "second\r\n");

    ShowTextReport(viewer_, Rect{10, 20, 370, 136});

    EXPECT_EQ(viewer_.Window(kTitle.toStdString()), first);
    EXPECT_EQ(WindowsTitled(kTitle), 1);
    EXPECT_EQ(first->Text(), QStringLiteral("second\n"));
    EXPECT_EQ(first->frameGeometry(), QRect(10, 138, 360, 400));
}

TEST_F(TextReportViewerTest, ClosedWindowIsOpenedAgain) {
    test::WriteFile("_report.txt", "report\r\n");
    ShowTextReport(viewer_, kMainWindow);
    viewer_.Window(kTitle.toStdString())->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(viewer_.Window(kTitle.toStdString()), nullptr);

    ShowTextReport(viewer_, kMainWindow);

    EXPECT_NE(viewer_.Window(kTitle.toStdString()), nullptr);
    EXPECT_EQ(WindowsTitled(kTitle), 1);
}

TEST_F(TextReportViewerTest, MissingReportOpensNoWindow) {
    ShowTextReport(viewer_, kMainWindow);
    EXPECT_EQ(viewer_.Window(kTitle.toStdString()), nullptr);
    EXPECT_EQ(WindowsTitled(kTitle), 0);
}

TEST_F(TextReportViewerTest, PrintsItsText) {
    test::WriteFile("_report.txt", "LUMET REPORT\r\n\r\nPING SENT\t32\r\n");
    ShowTextReport(viewer_, kMainWindow);
    const QString pdfFile = QString::fromStdString((directory_.Path() / "text.pdf").string());
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfFile);

    viewer_.Window(kTitle.toStdString())->PrintText(printer);

    QFile file(pdfFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.contains("/Count 1\n"));
    // The text is set in a font: the page carries glyphs, not a picture.
    EXPECT_TRUE(pdf.contains("/FontFile2"));
}

} // namespace
} // namespace lumet
