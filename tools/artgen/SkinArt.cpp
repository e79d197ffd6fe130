#include "tools/artgen/SkinArt.h"

#include "res/ResourceIds.h"
#include "tools/artgen/ArtPalette.h"
#include "tools/artgen/Chrome.h"
#include "tools/artgen/Coverage.h"
#include "tools/artgen/IconArt.h"
#include "tools/artgen/PixelFont.h"
#include "tools/artgen/SkinLayout.h"

#include <QPainterPathStroker>

namespace lumet::art {

namespace {

namespace l = layout;
namespace p = palette;

constexpr quint32 kMetalSeed = 0x4c554d45; // "LUME"
// One black plate runs under the logo corner and the caption strip, the two places that
// take clicks on the title; a faint rule separates them.
constexpr QRect kTitlePlate{QPoint(l::kLogoCorner.left() + 6, 5),
                            QPoint(l::kCaptionStrip.right() - 1, 19)};
constexpr int kLogoDivider = l::kCaptionStrip.left() + 4;
constexpr QRect kModeGroove{332, 32, 27, 72};
constexpr int kButtonShadowRow = 22;

void DrawPath(QImage& image, const QPainterPath& path, QRgb colour) {
    Coverage coverage = Coverage::Render(path, image.size());
    coverage.Quantize(16);
    coverage.Blend(image, QPoint(0, 0), colour);
}

void DrawTitle(QImage& image, const ArtFonts& fonts) {
    Chrome::Well(image, kTitlePlate);
    Chrome::Fill(image, kTitlePlate, p::kBlack);
    Chrome::VLine(image, kLogoDivider, kTitlePlate.top() + 2, kTitlePlate.bottom() - 2,
                  p::kCyanFaint);

    DrawPath(image, IconArt::EchoMark(QPointF(25.5, 12.5), 8.0, 2, 0.55), p::kCyan);

    const qreal capHeight = 9;
    const qreal pixelSize = capHeight / fonts.bold.CapHeight(1.0);
    const int baseline = kTitlePlate.top() + 3 + static_cast<int>(capHeight);
    QPainterPath title = fonts.bold.Path(QStringLiteral("LUMET"), pixelSize, 2.0);
    title.translate(62, baseline);
    DrawPath(image, title, p::kCyan);

    const int taglineX = static_cast<int>(title.boundingRect().right()) + 12;
    PixelFont::Draw(image, taglineX, baseline - PixelFont::kHeight,
                    QStringLiteral("CONNECTION QUALITY METER"), p::kCyanMid);
}

void DrawQualityScale(QImage& image) {
    Chrome::Frame(
        image, QRect(QPoint(l::kScaleLeft, l::kScaleTop), QPoint(l::kScaleRight, l::kScaleBottom)),
        p::kCyan);
    // Ticks every 20 pixels: 50 ms steps in the first three bands, 100 ms in the last.
    for (int x = l::kScaleLeft + 20; x < l::kScaleRight; x += 20) {
        Chrome::VLine(image, x, l::kScaleBottom - 2, l::kScaleBottom - 1, p::kCyanDim);
    }
    for (const int x : l::kBandDividers) {
        Chrome::VLine(image, x, l::kScaleTop + 1, l::kScaleBottom - 1, p::kCyan);
    }
    const QString bands[] = {QStringLiteral("PERFECT"), QStringLiteral("GOOD"),
                             QStringLiteral("POOR"), QStringLiteral("BAD")};
    const int textTop = (l::kBarTop + l::kBarBottom + 1 - PixelFont::kHeight) / 2;
    for (int band = 0; band < 4; ++band) {
        const int centre = l::kScaleLeft + 80 * band + 40;
        const QString& word = bands[band];
        PixelFont::Draw(image, centre - PixelFont::Width(word) / 2, textTop, word, p::kCyan);
    }
}

void DrawButtonShadow(QImage& image, QPoint at) {
    for (int x = at.x(); x < at.x() + l::kSmallButton.width(); ++x) {
        image.setPixel(x, kButtonShadowRow, Chrome::Shade(image.pixel(x, kButtonShadowRow), 110));
    }
}

QImage Crop(const QImage& image, QPoint at, QSize size) {
    return image.copy(QRect(at, size));
}

enum class Symbol { Quit, Minimise, Help };

QImage SmallFace(const QImage& skin, QPoint at, Symbol symbol, bool pressed, int rows,
                 const ArtFonts& fonts) {
    QImage face = Crop(skin, at, QSize(l::kSmallButton.width(), rows));
    const QRect body(0, 0, l::kSmallButton.width(), l::kSmallButton.height());
    Chrome::ButtonBody(face, body, pressed);
    if (!pressed) {
        // The glass of the small buttons is black, like the display.
        Chrome::Gradient(face, body.adjusted(3, 3, -3, -3), 0xff0c1213, p::kBlack);
    } else {
        Chrome::Fill(face, body.adjusted(3, 3, -3, -3), p::kBlack);
    }
    const qreal shift = pressed ? 1.0 : 0.0;
    QPainterPath path;
    QPainterPathStroker stroker;
    stroker.setWidth(1.7);
    stroker.setCapStyle(Qt::FlatCap);
    switch (symbol) {
    case Symbol::Quit: {
        QPainterPath cross;
        cross.moveTo(5.5 + shift, 5.5 + shift);
        cross.lineTo(12.5 + shift, 12.5 + shift);
        cross.moveTo(12.5 + shift, 5.5 + shift);
        cross.lineTo(5.5 + shift, 12.5 + shift);
        path = stroker.createStroke(cross);
        break;
    }
    case Symbol::Minimise:
        path.addRect(QRectF(5 + shift, 11 + shift, 8, 2));
        break;
    case Symbol::Help: {
        const qreal pixelSize = 9.0 / fonts.bold.CapHeight(1.0);
        path = fonts.bold.Path(QStringLiteral("?"), pixelSize);
        const QRectF bounds = path.boundingRect();
        path.translate(9.0 - bounds.center().x() + shift, 13.5 - bounds.bottom() + shift);
        break;
    }
    }
    DrawPath(face, path, p::kCyan);
    return face;
}

QImage ModeFace(const QImage& skin, Chrome::Lamp lamp, bool pressed, bool disabled) {
    QImage face = Crop(skin, QPoint(l::kModeButtonX, l::kRunY), l::kModeButton);
    const QRect body(QPoint(0, 0), l::kModeButton);
    Chrome::ButtonBody(face, body, pressed, disabled);
    const QRect lampRim = pressed ? QRect(7, 4, 13, 6) : QRect(6, 3, 13, 6);
    Chrome::DrawLamp(face, lampRim, lamp);
    return face;
}

} // namespace

QImage SkinArt::Background(const ArtFonts& fonts) {
    QImage skin(l::kWindow, QImage::Format_RGB32);
    const QRect all(QPoint(0, 0), l::kWindow);
    Chrome::BrushedMetal(skin, all, p::kMetalTop, p::kMetalBottom, kMetalSeed);
    Chrome::Frame(skin, all, p::kEdge);
    Chrome::Bevel(skin, all.adjusted(1, 1, -1, -1), p::kMetalLight, p::kMetalShadow);

    DrawTitle(skin, fonts);
    for (const QPoint at : {l::kHelp, l::kMinimise, l::kQuit}) {
        DrawButtonShadow(skin, at);
    }

    Chrome::Well(skin, l::kPanelArea);
    Chrome::Fill(skin, l::kPanelArea, p::kBlack);
    DrawQualityScale(skin);

    // The mode buttons sit in a dark channel along the right edge; it carries no labels.
    Chrome::Fill(skin, kModeGroove, p::kMetalShadow);
    Chrome::HLine(skin, kModeGroove.left() - 1, kModeGroove.right(), kModeGroove.top() - 1,
                  p::kEdge);
    Chrome::VLine(skin, kModeGroove.left() - 1, kModeGroove.top() - 1, kModeGroove.bottom(),
                  p::kEdge);
    Chrome::HLine(skin, kModeGroove.left() - 1, kModeGroove.right(), kModeGroove.bottom() + 1,
                  p::kMetalLight);
    return skin;
}

void SkinArt::Build(ArtSet& art, const ArtFonts& fonts) {
    const QImage skin = Background(fonts);
    art.AddBitmap(QString::number(ResourceId::kSkin), skin, 24);

    const int up = l::kSmallButton.height();
    art.AddBitmap(QStringLiteral("QTU"),
                  SmallFace(skin, l::kQuit, Symbol::Quit, false, l::kQuitUp.height(), fonts), 24);
    art.AddBitmap(QStringLiteral("QTD"), SmallFace(skin, l::kQuit, Symbol::Quit, true, up, fonts),
                  24);
    art.AddBitmap(QStringLiteral("MIU"),
                  SmallFace(skin, l::kMinimise, Symbol::Minimise, false, up, fonts), 24);
    art.AddBitmap(QStringLiteral("MID"),
                  SmallFace(skin, l::kMinimise, Symbol::Minimise, true, up, fonts), 24);
    art.AddBitmap(QStringLiteral("QMU"), SmallFace(skin, l::kHelp, Symbol::Help, false, up, fonts),
                  24);
    art.AddBitmap(QStringLiteral("QMD"), SmallFace(skin, l::kHelp, Symbol::Help, true, up, fonts),
                  24);

    // The five mode buttons look alike; the hover words name them.
    const QImage upFace = ModeFace(skin, Chrome::Lamp::Green, false, false);
    const QImage downFace = ModeFace(skin, Chrome::Lamp::Off, true, false);
    const QImage disabledFace = ModeFace(skin, Chrome::Lamp::Off, false, true);
    const QImage activeFace = ModeFace(skin, Chrome::Lamp::Red, false, false);
    for (const char* caption : {"RUN", "RND", "STA", "SET", "REP"}) {
        const QString name = QString::fromLatin1(caption);
        art.AddBitmap(name + QLatin1Char('U'), upFace, 24);
        art.AddBitmap(name + QLatin1Char('D'), downFace, 24);
        art.AddBitmap(name + QLatin1Char('X'), disabledFace, 24);
        art.AddBitmap(name + QLatin1Char('R'), activeFace, 24);
    }
}

} // namespace lumet::art
