#include "tools/artgen/WordArt.h"

#include "res/ResourceIds.h"
#include "tools/artgen/ArtPalette.h"
#include "tools/artgen/Chrome.h"
#include "tools/artgen/Coverage.h"
#include "tools/artgen/PixelFont.h"
#include "tools/artgen/SkinLayout.h"

#include <algorithm>

namespace lumet::art {

namespace {

namespace l = layout;
namespace p = palette;

constexpr int kHaloRadius = 2;
constexpr qreal kHoverCapHeight = 31;
constexpr qreal kHoverTracking = 3;
constexpr qreal kHoverMaxWidth = 300;
constexpr QRgb kStripeDark = 0xff4f8585;

// Lays a word's outline into a box: cap height as asked, squeezed sideways when too wide,
// centred horizontally, caps centred vertically.
QPainterPath FitWord(const OutlineFont& font, const QString& word, qreal capHeight, qreal tracking,
                     QSizeF box, qreal maxWidth) {
    const qreal pixelSize = capHeight / font.CapHeight(1.0);
    QPainterPath path = font.Path(word, pixelSize, tracking);
    const QRectF bounds = path.boundingRect();
    const qreal squeeze = std::min(1.0, maxWidth / bounds.width());
    QTransform transform;
    transform.translate((box.width() - bounds.width() * squeeze) / 2.0,
                        (box.height() + capHeight) / 2.0);
    transform.scale(squeeze, 1.0);
    transform.translate(-bounds.left(), 0);
    return transform.map(path);
}

void BuildHoverWord(ArtSet& art, const ArtFonts& fonts, const WordArt::HoverWord& hover) {
    const QSize size = l::kHoverWordSize;
    const QPainterPath path = FitWord(fonts.condensedBold, QString::fromLatin1(hover.word),
                                      kHoverCapHeight, kHoverTracking, size, kHoverMaxWidth);
    Coverage letters = Coverage::Render(path, size);
    letters.Quantize(8);

    // Picture: the letters in stripes of light cyan, black everywhere else. It is laid on
    // with XOR after the mask has blackened the letters and their halo.
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(p::kBlack);
    letters.Blend(picture, QPoint(0, 0),
                  [](int, int y) { return y % 3 == 2 ? kStripeDark : p::kCyan; });

    // Mask: 0 (black) on the letters and a two-pixel halo that keeps them readable over the
    // graph, 1 (white) where the backdrop shows.
    const Coverage halo = letters.Dilated(kHaloRadius);
    QImage mask(size, QImage::Format_RGB32);
    mask.fill(p::kWhite);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if (halo.At(x, y) > 0) {
                mask.setPixel(x, y, p::kBlack);
            }
        }
    }
    art.AddBitmap(QString::number(hover.picture), picture, 8);
    art.AddBitmap(QString::number(hover.mask), mask, 1);
}

QImage CaptionImage(const QString& word) {
    QImage image(l::kCaptionSize, QImage::Format_RGB32);
    image.fill(p::kBlack);
    PixelFont::Draw(image, 1, 1, word, p::kCaption);
    return image;
}

// A red badge with a black E at the left end; the status text covers the rest.
QImage ErrorIcon() {
    QImage image(l::kCaptionSize, QImage::Format_RGB32);
    image.fill(p::kBlack);
    const QRect badge(0, 0, 11, 9);
    Chrome::Fill(image, badge, p::kRed);
    for (const QPoint corner :
         {badge.topLeft(), badge.topRight(), badge.bottomLeft(), badge.bottomRight()}) {
        image.setPixel(corner, 0xff800000);
    }
    PixelFont::Draw(image, 3, 1, QStringLiteral("E"), p::kBlack);
    return image;
}

QImage Banner(const ArtFonts& fonts) {
    const QSize size = l::kBannerSize;
    QImage image(size, QImage::Format_RGB32);
    image.fill(p::kBannerGround);
    const QRect frame(1, 1, size.width() - 2, size.height() - 2);
    Chrome::HLine(image, frame.left() + 1, frame.right() - 1, frame.top(), p::kRed);
    Chrome::HLine(image, frame.left() + 1, frame.right() - 1, frame.bottom(), p::kRed);
    Chrome::VLine(image, frame.left(), frame.top() + 1, frame.bottom() - 1, p::kRed);
    Chrome::VLine(image, frame.right(), frame.top() + 1, frame.bottom() - 1, p::kRed);
    const QPainterPath path =
        FitWord(fonts.condensedBold, QStringLiteral("WRONG ADDRESS"), 27, 2, size, 287);
    Coverage letters = Coverage::Render(path, size);
    letters.Quantize(12);
    letters.Blend(image, QPoint(0, 0), p::kRed);
    return image;
}

} // namespace

void WordArt::Build(ArtSet& art, const ArtFonts& fonts) {
    for (const HoverWord& hover : kHoverWords) {
        BuildHoverWord(art, fonts, hover);
    }
    for (const Caption& caption : kCaptions) {
        art.AddBitmap(QString::number(caption.bitmap),
                      CaptionImage(QString::fromLatin1(caption.word)), 4);
    }
    art.AddBitmap(QString::number(ResourceId::kErrorIcon), ErrorIcon(), 4);
    art.AddBitmap(QString::number(ResourceId::kWrongAddressBanner), Banner(fonts), 8);
}

} // namespace lumet::art
