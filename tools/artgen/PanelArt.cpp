#include "tools/artgen/PanelArt.h"

#include "res/ResourceIds.h"
#include "tools/artgen/ArtPalette.h"
#include "tools/artgen/Chrome.h"
#include "tools/artgen/Coverage.h"
#include "tools/artgen/IconArt.h"
#include "tools/artgen/PixelFont.h"
#include "tools/artgen/SkinLayout.h"

namespace lumet::art {

namespace {

namespace l = layout;
namespace p = palette;

constexpr int kReportFrame = 5;

void DrawPath(QImage& image, const QPainterPath& path, QRgb colour, int levels) {
    Coverage coverage = Coverage::Render(path, image.size());
    coverage.Quantize(levels);
    coverage.Blend(image, QPoint(0, 0), colour);
}

// A black panel card with a faint light-cyan rim, as laid over the display area.
QImage PanelCard() {
    QImage image(l::kPanel, QImage::Format_RGB32);
    image.fill(p::kBlack);
    Chrome::Frame(image, QRect(QPoint(0, 0), l::kPanel), p::kCyanDim);
    return image;
}

void RightAligned(QImage& image, int right, int top, const QString& text, QRgb colour) {
    PixelFont::Draw(image, right - PixelFont::Width(text) + 1, top, text, colour);
}

QImage SettingsPanel() {
    QImage image = PanelCard();
    struct Label {
        QRect field;
        const char* text;
        const char* unit;
    };
    const Label labels[] = {
        {l::kPingLimitField, "PING LIMIT", ""},
        {l::kIntervalField, "INTERVAL", "S."},
        {l::kStayAliveField, "STAY ALIVE", "S."},
        {l::kPacketSizeField, "PACKET SIZE", ""},
        {l::kTtlField, "TTL", ""},
        {l::kTimeOutField, "TIMEOUT", "MS."},
    };
    for (const Label& label : labels) {
        const int top = label.field.top() + (label.field.height() - PixelFont::kHeight) / 2;
        Chrome::Frame(image, label.field.adjusted(-1, -1, 1, 1), p::kCyanDim);
        RightAligned(image, label.field.left() - 6, top, QString::fromLatin1(label.text), p::kCyan);
        PixelFont::Draw(image, label.field.right() + 5, top, QString::fromLatin1(label.unit),
                        p::kCyanMid);
    }
    // Title at the upper right, and the frame that holds the RESET button.
    const QString title = QStringLiteral("SETUP");
    RightAligned(image, l::kResetButton.right(), 12, title, p::kCyan);
    Chrome::HLine(image, l::kResetButton.left() - 2, l::kResetButton.right() + 2, 22, p::kCyanDim);
    Chrome::Frame(image, l::kResetButton.adjusted(-3, -3, 3, 3), p::kCyanDim);
    const QString hint = QStringLiteral("DEFAULTS");
    PixelFont::Draw(image, l::kResetButton.center().x() - PixelFont::Width(hint) / 2 + 1,
                    l::kResetButton.top() - 14, hint, p::kCyanMid);
    return image;
}

QImage AboutPanel(const ArtFonts& fonts) {
    QImage image = PanelCard();
    DrawPath(image, IconArt::EchoMark(QPointF(30, 40), 30, 3), p::kCyan, 12);
    Chrome::VLine(image, 80, 12, 67, p::kCyanDim);

    const qreal capHeight = 16;
    const qreal pixelSize = capHeight / fonts.bold.CapHeight(1.0);
    QPainterPath name = fonts.bold.Path(QStringLiteral("LUMET"), pixelSize, 3.0);
    name.translate(94, 13 + capHeight);
    DrawPath(image, name, p::kCyan, 12);
    const int versionX = static_cast<int>(name.boundingRect().right()) + 10;
    PixelFont::Draw(image, versionX, 13 + static_cast<int>(capHeight) - PixelFont::kHeight,
                    QStringLiteral("VERSION 1.0"), p::kCyanMid);

    PixelFont::Draw(image, 94, 42, QStringLiteral("CONNECTION QUALITY BY ICMP ECHO"), p::kCyan);
    PixelFont::Draw(image, 94, 56, QStringLiteral("COPYRIGHT (C) ORBISK"), p::kCyanMid);
    return image;
}

QImage ReportPanel() {
    QImage image(l::kReportPanel, QImage::Format_RGB32);
    const QRect all(QPoint(0, 0), l::kReportPanel);
    Chrome::Gradient(image, all, p::kMetalTop, p::kMetalBottom);
    Chrome::Frame(image, all, p::kEdge);
    Chrome::Bevel(image, all.adjusted(1, 1, -1, -1), p::kMetalLight, p::kMetalShadow);
    const QRect field = all.adjusted(kReportFrame, kReportFrame, -kReportFrame, -kReportFrame);
    Chrome::Well(image, field);
    Chrome::Fill(image, field, p::kBlack);

    // Captions over the three export buttons at the lower right.
    const struct {
        QPoint button;
        const char* caption;
    } exports[] = {
        {l::kEmailButton, "EMAIL"}, {l::kCopyButton, "COPY"}, {l::kPrintButton, "PRINT"}};
    for (const auto& item : exports) {
        const QString caption = QString::fromLatin1(item.caption);
        const int centre = item.button.x() + l::kExportButton.width() / 2;
        PixelFont::Draw(image, centre - PixelFont::Width(caption) / 2, item.button.y() - 11,
                        caption, p::kCyanMid);
    }
    Chrome::HLine(image, l::kEmailButton.x(), l::kPrintButton.x() + l::kExportButton.width() - 1,
                  l::kEmailButton.y() - 15, p::kCyanFaint);
    return image;
}

QImage ResetFace() {
    QImage face(QSize(36, 12), QImage::Format_RGB32);
    face.fill(p::kBlack);
    Chrome::ButtonBody(face, face.rect(), false);
    const QString text = QStringLiteral("RESET");
    PixelFont::Draw(face, (36 - PixelFont::Width(text)) / 2, 3, text, p::kCyan);
    return face;
}

enum class Pictogram { Mail, Copy, Print };

// Small line drawings in light cyan, 16 x 10, drawn at origin.
void DrawPictogram(QImage& face, QPoint origin, Pictogram pictogram) {
    const auto line = [&face, origin](int x0, int y0, int x1, int y1) {
        const int steps = std::max(std::abs(x1 - x0), std::abs(y1 - y0));
        for (int i = 0; i <= steps; ++i) {
            const int x = x0 + (steps == 0 ? 0 : (x1 - x0) * i / steps);
            const int y = y0 + (steps == 0 ? 0 : (y1 - y0) * i / steps);
            face.setPixel(origin + QPoint(x, y), p::kCyan);
        }
    };
    const auto box = [&line](int x0, int y0, int x1, int y1) {
        line(x0, y0, x1, y0);
        line(x0, y1, x1, y1);
        line(x0, y0, x0, y1);
        line(x1, y0, x1, y1);
    };
    switch (pictogram) {
    case Pictogram::Mail:
        box(1, 1, 14, 9);
        line(2, 2, 7, 6);
        line(13, 2, 8, 6);
        break;
    case Pictogram::Copy:
        box(6, 0, 14, 7);
        box(2, 3, 10, 10);
        for (int y = 4; y < 10; ++y) {
            for (int x = 3; x < 10; ++x) {
                face.setPixel(origin + QPoint(x, y), p::kBlack);
            }
        }
        line(4, 6, 8, 6);
        line(4, 8, 8, 8);
        break;
    case Pictogram::Print:
        box(4, 0, 11, 3);
        box(1, 3, 14, 8);
        box(4, 6, 11, 10);
        for (int x = 5; x < 11; ++x) {
            for (int y = 7; y < 10; ++y) {
                face.setPixel(origin + QPoint(x, y), p::kBlack);
            }
        }
        line(5, 8, 10, 8);
        face.setPixel(origin + QPoint(12, 5), p::kCyan);
        break;
    }
}

QImage ExportFace(const QImage& panel, QPoint at, Pictogram pictogram, bool pressed) {
    QImage face = panel.copy(QRect(at, l::kExportButton));
    Chrome::ButtonBody(face, face.rect(), pressed);
    const QRect glass = face.rect().adjusted(3, 2, -3, -2);
    Chrome::Fill(face, glass, p::kBlack);
    const QPoint shift = pressed ? QPoint(1, 1) : QPoint(0, 0);
    DrawPictogram(face, QPoint(10, 2) + shift, pictogram);
    return face;
}

} // namespace

void PanelArt::Build(ArtSet& art, const ArtFonts& fonts) {
    const QImage report = ReportPanel();
    art.AddBitmap(QString::number(ResourceId::kReportPanel), report, 8);
    art.AddBitmap(QString::number(ResourceId::kSettingsPanel), SettingsPanel(), 8);
    art.AddBitmap(QString::number(ResourceId::kAboutPanel), AboutPanel(fonts), 8);
    art.AddBitmap(QStringLiteral("RESETU"), ResetFace(), 24);

    const struct {
        const char* caption;
        QPoint at;
        Pictogram pictogram;
    } exports[] = {{"EMAIL", l::kEmailButton, Pictogram::Mail},
                   {"COPY", l::kCopyButton, Pictogram::Copy},
                   {"PRINT", l::kPrintButton, Pictogram::Print}};
    for (const auto& item : exports) {
        const QString caption = QString::fromLatin1(item.caption);
        art.AddBitmap(caption + QLatin1Char('U'),
                      ExportFace(report, item.at, item.pictogram, false), 24);
        art.AddBitmap(caption + QLatin1Char('D'), ExportFace(report, item.at, item.pictogram, true),
                      24);
    }
}

} // namespace lumet::art
