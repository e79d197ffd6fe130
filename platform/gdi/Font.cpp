#include "platform/gdi/Font.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

namespace lumet {

namespace {

constexpr const char* kWineFontDirectory = "/usr/share/wine/fonts/";
constexpr int kReferencePixelSize = 256;

bool IsFace(std::string_view face, std::string_view name) {
    return face.size() == name.size() &&
           std::equal(face.begin(), face.end(), name.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

// Wine's Tahoma is not in fontconfig's directories; it becomes known to Qt once
// added as an application font. Qt keeps it for the rest of the process.
void RegisterWineTahoma() {
    if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) {
        return;
    }
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
        const QString path = QString::fromLatin1(kWineFontDirectory) + QString::fromLatin1(file);
        if (QFile::exists(path)) {
            QFontDatabase::addApplicationFont(path);
        }
    }
}

QFont BaseFont(std::string_view face, int weight) {
    QFont font(QString::fromUtf8(face.data(), static_cast<qsizetype>(face.size())));
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(weight == 0 ? 400 : weight, 1, 1000)));
    return font;
}

} // namespace

Font Font::Create(std::string_view face, int cellHeight, int weight) {
    if (cellHeight <= 0 ||
        qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return {};
    }
    if (IsFace(face, "Tahoma")) {
        RegisterWineTahoma();
    }
    QFont qtFont = BaseFont(face, weight);

    qtFont.setPixelSize(kReferencePixelSize);
    const QFontMetricsF outline(qtFont);
    const double cellPerPixel = (outline.ascent() + outline.descent()) / kReferencePixelSize;
    const double ascentShare = outline.ascent() / (outline.ascent() + outline.descent());
    const double emSize = cellHeight / cellPerPixel;

    std::optional<int> bestSize;
    int bestAscent = 0;
    for (int size = 1; size <= 2 * cellHeight + 2; ++size) {
        qtFont.setPixelSize(size);
        const QFontMetrics metrics(qtFont);
        if (metrics.ascent() + metrics.descent() != cellHeight) {
            continue;
        }
        if (!bestSize || std::abs(size - emSize) < std::abs(*bestSize - emSize)) {
            bestSize = size;
            bestAscent = metrics.ascent();
        }
    }
    if (!bestSize) {
        bestSize = std::max(1, static_cast<int>(std::lround(emSize)));
        bestAscent =
            std::clamp(static_cast<int>(std::lround(ascentShare * cellHeight)), 0, cellHeight);
    }
    qtFont.setPixelSize(*bestSize);

    Font font;
    font.face_ = std::string(face);
    font.cellHeight_ = cellHeight;
    font.ascent_ = bestAscent;
    font.weight_ = weight;
    font.font_ = qtFont;
    font.raster_ = std::make_shared<TextRaster>(qtFont, cellHeight, bestAscent);
    return font;
}

QString Font::Family() const {
    return IsNull() ? QString() : QFontInfo(font_).family();
}

int Font::TextWidth(const QString& text) const {
    return raster_ ? raster_->Advance(text) : 0;
}

std::shared_ptr<const RasterText> Font::Render(const QString& text) const {
    return raster_ ? raster_->Render(text) : nullptr;
}

} // namespace lumet
