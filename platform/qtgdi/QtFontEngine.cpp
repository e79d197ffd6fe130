#include "platform/qtgdi/QtFontEngine.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QRawFont>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <optional>

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

// A font's vertical design metrics, in font units or at the reference size.
struct CellMetrics {
    double em = 0;
    double ascent = 0;
    // Ascent + descent: the cell the metrics describe.
    double cell = 0;
};

std::uint16_t BigEndian16(const QByteArray& table, qsizetype offset) {
    return static_cast<std::uint16_t>((static_cast<unsigned char>(table[offset]) << 8) |
                                      static_cast<unsigned char>(table[offset + 1]));
}

// usWinAscent and usWinDescent from the OS/2 table, unitsPerEm from the head table.
std::optional<CellMetrics> WindowsCellMetrics(const QFont& font) {
    constexpr qsizetype kWinAscentOffset = 74;
    constexpr qsizetype kWinDescentOffset = 76;
    constexpr qsizetype kUnitsPerEmOffset = 18;
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    const QByteArray head = raw.fontTable("head");
    if (os2.size() < kWinDescentOffset + 2 || head.size() < kUnitsPerEmOffset + 2) {
        return std::nullopt;
    }
    const double winAscent = BigEndian16(os2, kWinAscentOffset);
    const double winDescent = BigEndian16(os2, kWinDescentOffset);
    const double unitsPerEm = BigEndian16(head, kUnitsPerEmOffset);
    if (winAscent + winDescent <= 0 || unitsPerEm <= 0) {
        return std::nullopt;
    }
    return CellMetrics{unitsPerEm, winAscent, winAscent + winDescent};
}

// The outlines' ascent and descent as Qt measures them at the reference size.
CellMetrics OutlineCellMetrics(const QFont& font) {
    const QFontMetricsF outline(font);
    return CellMetrics{static_cast<double>(font.pixelSize()), outline.ascent(),
                       outline.ascent() + outline.descent()};
}

} // namespace

std::unique_ptr<GlyphRenderer> QtFontEngine::Open(std::string_view face, int cellHeight,
                                                  int weight) const {
    return OpenQt(face, cellHeight, weight);
}

std::unique_ptr<QtGlyphRenderer> QtFontEngine::OpenQt(std::string_view face, int cellHeight,
                                                      int weight) const {
    if (cellHeight <= 0 ||
        qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        return nullptr;
    }
    if (IsFace(face, "Tahoma")) {
        RegisterWineTahoma();
    }
    QFont font = BaseFont(face, weight);
    font.setPixelSize(kReferencePixelSize);
    const CellMetrics metrics = WindowsCellMetrics(font).value_or(OutlineCellMetrics(font));
    const double cellPerEm = metrics.cell / metrics.em;
    const int pixelSize = std::max(1, static_cast<int>(std::lround(cellHeight / cellPerEm)));
    const int ascent = std::clamp(
        static_cast<int>(std::lround(cellHeight * metrics.ascent / metrics.cell)), 0, cellHeight);
    font.setPixelSize(pixelSize);
    return std::make_unique<QtGlyphRenderer>(font, cellHeight, ascent);
}

} // namespace lumet
