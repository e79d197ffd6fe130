#include "platform/export/QtClipboard.h"
#include "tests/ui/ReportExportSupport.h"
#include "ui/CopyReport.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

namespace lumet {
namespace {

class CopyReportTest : public ::testing::Test {
protected:
    void SetUp() override { QGuiApplication::clipboard()->setText(QStringLiteral("earlier")); }
    void TearDown() override { QGuiApplication::clipboard()->clear(); }

    test::InTemporaryDirectory directory_;
    QtClipboard clipboard_;
};

TEST_F(CopyReportTest, PutsTheReportPictureOnTheClipboard) {
    test::WriteReportPicture();
    CopyReport(clipboard_);

    const QImage pasted = QGuiApplication::clipboard()->image();
    ASSERT_EQ(pasted.size(), QSize(360, 320));
    // Black and white as saved: the white paper, the black frame from (2, 2).
    EXPECT_EQ(QColor(pasted.pixel(0, 0)), QColor(Qt::white));
    EXPECT_EQ(QColor(pasted.pixel(2, 2)), QColor(Qt::black));
    EXPECT_EQ(QColor(pasted.pixel(357, 299)), QColor(Qt::black));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST_F(CopyReportTest, MissingPictureLeavesTheClipboardEmpty) {
    CopyReport(clipboard_);

    const QMimeData* contents = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(contents == nullptr || contents->formats().isEmpty());
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
}

} // namespace
} // namespace lumet
