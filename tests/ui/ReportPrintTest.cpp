#include "platform/export/QtPrinter.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/ui/ReportExportSupport.h"
#include "ui/PrintReport.h"

#include <QByteArray>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace lumet {
namespace {

using test::InTemporaryDirectory;
using test::RecordingMessageBoxes;
using test::RecordingTextViewer;

constexpr Resolution kScreen96{96, 96};
const std::string kNoPictureText = "Your printer cannot print bitmaps.\n"
                                   "Report contents will be now open\n"
                                   "as a simple text file, using Notepad.\n"
                                   "Select File -> Print in the Notepad\n"
                                   "if you wish to print out report.\n";

struct PrintRectCase {
    const char* name;
    PrinterPage page;
    Resolution screen;
    Rect expected;
};

void PrintTo(const PrintRectCase& printCase, std::ostream* out) {
    *out << printCase.name;
}

class ReportPrintRectTest : public ::testing::TestWithParam<PrintRectCase> {};

TEST_P(ReportPrintRectTest, FillsMostOfThePageFromTheScaledPictureOffset) {
    const PrintRectCase& c = GetParam();
    EXPECT_EQ(ReportPrintRect(c.page, c.screen, 360, 320), c.expected);
}

// Offsets: (page / 2 − size × ratio) / 2; size: 85 % of the page; all truncated.
INSTANTIATE_TEST_SUITE_P(
    Geometry, ReportPrintRectTest,
    ::testing::Values(
        // 6.25 × 360 = 2250: (2480 − 2250) / 2 = 115; 6.25 × 320 = 2000: (3508 − 2000) / 2 = 754.
        PrintRectCase{"Printer600Screen96",
                      {{600, 600}, 4960, 7016},
                      {96, 96},
                      {115, 754, 115 + 4216, 754 + 5963}},
        // Ratio 1: (2480 − 360) / 2 = 1060, (3508 − 320) / 2 = 1594.
        PrintRectCase{"SameDensity",
                      {{96, 96}, 4960, 7016},
                      {96, 96},
                      {1060, 1594, 1060 + 4216, 1594 + 5963}},
        // Ratio 5: (2480 − 1800) / 2 = 340, (3508 − 1600) / 2 = 954.
        PrintRectCase{
            "Screen120", {{600, 600}, 4960, 7016}, {120, 120}, {340, 954, 340 + 4216, 954 + 5963}},
        // Each axis has its own ratio: 6.25 across, 3.125 down: (1754 − 1000) / 2 = 377.
        PrintRectCase{"UnequalDensities",
                      {{600, 300}, 4960, 3508},
                      {96, 96},
                      {115, 377, 115 + 4216, 377 + 2981}},
        // A coarser printer than the screen still gives screen over printer, 4/3:
        // (297.5 − 480) / 2 = −91.25 and (421 − 426.7) / 2 = −2.8, both cut toward zero.
        PrintRectCase{
            "CoarserPrinter", {{72, 72}, 595, 842}, {96, 96}, {-91, -2, -91 + 505, -2 + 715}},
        // An unknown density must not divide by zero; it counts as ratio 1.
        PrintRectCase{"UnknownDensity",
                      {{0, 600}, 4960, 7016},
                      {96, 0},
                      {1060, 1594, 1060 + 4216, 1594 + 5963}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

// Keeps the print job instead of printing.
class RecordingPrinter final : public Printer {
public:
    bool chosen = true;
    bool picturesSupported = true;
    bool jobStarts = true;
    PrinterPage page{{600, 600}, 4960, 7016};
    struct Job {
        std::string documentName;
        Bitmap picture;
        Rect target;
    };
    std::vector<Job> jobs;

    bool ChoosePrinter() override { return chosen; }
    PrinterPage Page() const override { return page; }
    bool CanPrintPictures() const override { return picturesSupported; }
    bool PrintPicture(const std::string& documentName, const Bitmap& picture,
                      const Rect& target) override {
        jobs.push_back({documentName, picture, target});
        return jobStarts;
    }
};

class PrintReportTest : public ::testing::Test {
protected:
    void Print() { PrintReport(printer_, kScreen96, messages_, viewer_, kMainWindow); }

    static constexpr Rect kMainWindow{200, 150, 560, 266};
    InTemporaryDirectory directory_;
    RecordingPrinter printer_;
    RecordingMessageBoxes messages_;
    RecordingTextViewer viewer_;
};

TEST_F(PrintReportTest, PrintsThePictureOnOnePageAtTheComputedPlace) {
    test::WriteReportPicture();
    Print();
    ASSERT_EQ(printer_.jobs.size(), 1U);
    const RecordingPrinter::Job& job = printer_.jobs.front();
    EXPECT_EQ(job.documentName, "Print Lumet Report");
    EXPECT_EQ(job.picture.Width(), 360);
    EXPECT_EQ(job.picture.Height(), 320);
    EXPECT_EQ(job.target, (Rect{115, 754, 115 + 4216, 754 + 5963}));
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_TRUE(viewer_.shown.empty());
}

TEST_F(PrintReportTest, CancelledDialogDoesNothing) {
    test::WriteReportPicture();
    printer_.chosen = false;
    Print();
    EXPECT_TRUE(printer_.jobs.empty());
    EXPECT_TRUE(messages_.shown.empty());
    EXPECT_TRUE(viewer_.shown.empty());
}

TEST_F(PrintReportTest, PrinterWithoutPicturesGetsTheNoticeAndTheTextReport) {
    test::WriteReportPicture();
    printer_.picturesSupported = false;
    Print();
    EXPECT_TRUE(printer_.jobs.empty());
    ASSERT_EQ(messages_.shown.size(), 1U);
    EXPECT_FALSE(messages_.shown[0].application);
    EXPECT_EQ(messages_.shown[0].caption, "Notification");
    EXPECT_EQ(messages_.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages_.shown[0].text, kNoPictureText);
    ASSERT_EQ(viewer_.shown.size(), 1U);
    EXPECT_EQ(viewer_.shown[0].file, std::filesystem::path("_report.txt"));
    EXPECT_EQ(viewer_.shown[0].title, "_report.txt - Notepad");
    ASSERT_EQ(viewer_.placed.size(), 1U);
    EXPECT_EQ(viewer_.placed[0].rect, (Rect{200, 268, 560, 668}));
}

TEST_F(PrintReportTest, MissingPictureIsToldAndNothingIsPrinted) {
    Print();
    EXPECT_TRUE(printer_.jobs.empty());
    ASSERT_EQ(messages_.shown.size(), 1U);
    EXPECT_EQ(messages_.shown[0].caption, "Notification");
    EXPECT_NE(messages_.shown[0].text.find("_report.bmp"), std::string::npos);
}

TEST_F(PrintReportTest, JobThatCannotStartIsTold) {
    test::WriteReportPicture();
    printer_.jobStarts = false;
    Print();
    EXPECT_EQ(printer_.jobs.size(), 1U);
    ASSERT_EQ(messages_.shown.size(), 1U);
    EXPECT_EQ(messages_.shown[0].caption, "Notification");
}

// A 2-D affine transform as PDF writes it: x' = a x + c y + e, y' = b x + d y + f.
struct PdfMatrix {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;

    // This transform followed by `then`.
    PdfMatrix Then(const PdfMatrix& then) const {
        return {a * then.a + b * then.c,          a * then.b + b * then.d,
                c * then.a + d * then.c,          c * then.b + d * then.d,
                e * then.a + f * then.c + then.e, e * then.b + f * then.d + then.f};
    }
    QPointF Map(double x, double y) const { return {a * x + c * y + e, b * x + d * y + f}; }
};

// The streams of a PDF file, inflated.
std::vector<QByteArray> PdfStreams(const QByteArray& pdf) {
    std::vector<QByteArray> streams;
    qsizetype at = 0;
    while ((at = pdf.indexOf("stream\n", at)) >= 0) {
        const qsizetype begin = at + 7;
        const qsizetype end = pdf.indexOf("endstream", begin);
        if (end < 0) {
            break;
        }
        const qsizetype dictionary = pdf.lastIndexOf(" obj", begin);
        if (!pdf.mid(dictionary, begin - dictionary).contains("/FlateDecode")) {
            at = end + 9;
            continue;
        }
        QByteArray packed = pdf.mid(begin, end - begin);
        // qUncompress wants the expected size in front; it grows the buffer as needed.
        packed.prepend(QByteArray::fromHex("00100000"));
        streams.push_back(qUncompress(packed));
        at = end + 9;
    }
    return streams;
}

// The rectangle, in PDF points with y upwards, that the first image of the page
// content covers: the unit square through the transforms in force at its Do.
std::optional<QRectF> DrawnImageRect(const QByteArray& content) {
    std::vector<PdfMatrix> saved;
    PdfMatrix current;
    std::vector<double> operands;
    const QStringList tokens = QString::fromLatin1(content).split(
        QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString& token : tokens) {
        bool number = false;
        const double value = token.toDouble(&number);
        if (number) {
            operands.push_back(value);
            continue;
        }
        if (token == QLatin1String("q")) {
            saved.push_back(current);
        } else if (token == QLatin1String("Q") && !saved.empty()) {
            current = saved.back();
            saved.pop_back();
        } else if (token == QLatin1String("cm") && operands.size() >= 6) {
            const auto m = operands.end() - 6;
            current = PdfMatrix{m[0], m[1], m[2], m[3], m[4], m[5]}.Then(current);
        } else if (token == QLatin1String("Do")) {
            const std::array corners{current.Map(0, 0), current.Map(1, 0), current.Map(0, 1),
                                     current.Map(1, 1)};
            QPointF low = corners[0];
            QPointF high = corners[0];
            for (const QPointF& corner : corners) {
                low = QPointF(std::min(low.x(), corner.x()), std::min(low.y(), corner.y()));
                high = QPointF(std::max(high.x(), corner.x()), std::max(high.y(), corner.y()));
            }
            return QRectF(low, high);
        }
        if (!token.startsWith(QLatin1Char('/'))) {
            operands.clear();
        }
    }
    return std::nullopt;
}

TEST(PrintReportPdfTest, OnePageWithThePictureWhereTheGeometrySaysForThatPrinter) {
    InTemporaryDirectory directory;
    test::WriteReportPicture();
    const QString pdfFile = QString::fromStdString((directory.Path() / "report.pdf").string());
    // 288 dpi on an A4 sheet of 595 × 842 points, no margins: 2380 × 3368 pixels.
    QtPrinter printer([&](QPrinter& device) {
        device.setOutputFormat(QPrinter::PdfFormat);
        device.setOutputFileName(pdfFile);
        device.setResolution(288);
        device.setPageSize(QPageSize(QPageSize::A4));
        device.setFullPage(true);
        return true;
    });
    RecordingMessageBoxes messages;
    RecordingTextViewer viewer;

    PrintReport(printer, kScreen96, messages, viewer, Rect{0, 0, 360, 116});

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_TRUE(viewer.shown.empty());
    ASSERT_EQ(printer.Page(), (PrinterPage{{288, 288}, 2380, 3368}));
    QFile file(pdfFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.contains("/Count 1\n"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 1);
    EXPECT_TRUE(pdf.contains("/Width 360\n/Height 320\n"));
    // Stored losslessly: a JPEG would blur the picture's one-pixel lines.
    EXPECT_FALSE(pdf.contains("/DCTDecode"));
    std::optional<QRectF> drawn;
    for (const QByteArray& stream : PdfStreams(pdf)) {
        if (!drawn && stream.contains(" Do")) {
            drawn = DrawnImageRect(stream);
        }
    }
    ASSERT_TRUE(drawn.has_value());
    // Ratio 3: left (1190 − 1080) / 2 = 55, top (1684 − 960) / 2 = 362; size 2023 × 2862.
    // Back from points (y upwards from the sheet's foot) to the printer's pixels.
    constexpr double kPixelsPerPoint = 288.0 / 72.0;
    constexpr double kSheetHeight = 842.0;
    EXPECT_NEAR(drawn->left() * kPixelsPerPoint, 55, 0.5);
    EXPECT_NEAR((kSheetHeight - drawn->bottom()) * kPixelsPerPoint, 362, 0.5);
    EXPECT_NEAR(drawn->width() * kPixelsPerPoint, 2023, 0.5);
    EXPECT_NEAR(drawn->height() * kPixelsPerPoint, 2862, 0.5);
}

} // namespace
} // namespace lumet
