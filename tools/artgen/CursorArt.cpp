#include "tools/artgen/CursorArt.h"

#include <array>
#include <string_view>

namespace lumet::art {

namespace {

constexpr int kCursorSize = 32;

// The upward hand, 18 columns wide: B outline, W fill. Its fingertip's top edge is at
// (7, 1), and row 0 and column 0 are empty so that the turned and mirrored copies can
// move up or left by one.
constexpr std::array<std::string_view, 22> kHand = {
    "..................", //
    ".......BB.........", //
    "......BWWB........", //
    "......BWWB........", //
    "......BWWB........", //
    "......BWWB........", //
    "......BWWBBB......", //
    "......BWWBWWBBB...", //
    "......BWWBWWBWWBB.", //
    "......BWWBWWBWWBWB", //
    "..BB..BWWBWWBWWBWB", //
    ".BWWB.BWWWWWWWWWWB", //
    ".BWWWBBWWWWWWWWWWB", //
    "..BWWWBWWWWWWWWWWB", //
    "..BWWWWWWWWWWWWWWB", //
    "...BWWWWWWWWWWWWWB", //
    "...BWWWWWWWWWWWWB.", //
    "....BWWWWWWWWWWWB.", //
    "....BWWWWWWWWWWB..", //
    ".....BWWWWWWWWWB..", //
    ".....BWWWWWWWWWB..", //
    ".....BBBBBBBBBBB..", //
};
constexpr int kHandWidth = 18;

enum class Pose { Up, Left, UpMirrored };

QRgb Ink(char cell) {
    if (cell == 'B') {
        return 0xff000000u;
    }
    return cell == 'W' ? 0xffffffffu : 0x00000000u;
}

QImage Draw(Pose pose) {
    QImage image(kCursorSize, kCursorSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < static_cast<int>(kHand.size()); ++y) {
        for (int x = 0; x < kHandWidth; ++x) {
            const QRgb ink = Ink(kHand[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
            if (qAlpha(ink) == 0) {
                continue;
            }
            QPoint at(x, y);
            switch (pose) {
            case Pose::Up:
                break;
            case Pose::Left: // turned a quarter: the finger points left, the thumb up
                at = QPoint(y - 1, x - 1);
                break;
            case Pose::UpMirrored:
                at = QPoint(kHandWidth - 1 - x, y - 1);
                break;
            }
            image.setPixel(at, ink);
        }
    }
    return image;
}

} // namespace

void CursorArt::Build(ArtSet& art) {
    const Pose poses[] = {Pose::Up, Pose::Left, Pose::UpMirrored};
    QByteArray manifest = "{\n";
    for (std::size_t i = 0; i < std::size(kCursors); ++i) {
        const Cursor& cursor = kCursors[i];
        const QString name = QString::number(cursor.number);
        art.AddPng(QStringLiteral("cursors/%1.png").arg(name), Draw(poses[i]));
        manifest += QStringLiteral("    \"%1\": {\"image\": \"%1.png\", \"hotSpot\": [%2, %3]}%4\n")
                        .arg(name)
                        .arg(cursor.hotSpot.x())
                        .arg(cursor.hotSpot.y())
                        .arg(i + 1 < std::size(kCursors) ? QStringLiteral(",") : QString())
                        .toUtf8();
    }
    manifest += "}\n";
    art.AddText(QStringLiteral("cursors/cursors.json"), manifest);
}

} // namespace lumet::art
