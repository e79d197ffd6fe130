#pragma once

#include "res/Resources.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

namespace lumet::test {

// The embedded file at `path` under res/; empty when there is none.
inline QByteArray ReadResource(const QString& path) {
    const std::span<const std::uint8_t> bytes = FindResource(path.toStdString());
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

inline QString BitmapPath(const QString& name) {
    return QStringLiteral("bitmaps/%1.bmp").arg(name);
}

inline QImage LoadBitmap(const QString& name) {
    return QImage::fromData(ReadResource(BitmapPath(name)), "BMP");
}

// The fields of a Windows bitmap file's headers that the window depends on.
struct BmpHeader {
    bool valid = false;
    std::int32_t width = 0;
    std::int32_t height = 0; // positive: rows stored bottom-up
    std::uint16_t planes = 0;
    std::uint16_t bitsPerPixel = 0;
    std::uint32_t compression = 0;
    std::uint32_t paletteOffset = 0;
    std::uint32_t paletteEntries = 0;
};

inline std::uint32_t ReadU32(const QByteArray& bytes, int at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    }
    return value;
}

inline std::uint16_t ReadU16(const QByteArray& bytes, int at) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(bytes[at]) |
                                      (static_cast<std::uint8_t>(bytes[at + 1]) << 8));
}

inline BmpHeader ParseBmpHeader(const QByteArray& bytes) {
    BmpHeader header;
    if (bytes.size() < 54 || !bytes.startsWith("BM") || ReadU32(bytes, 14) != 40) {
        return header;
    }
    header.valid = true;
    header.width = static_cast<std::int32_t>(ReadU32(bytes, 18));
    header.height = static_cast<std::int32_t>(ReadU32(bytes, 22));
    header.planes = ReadU16(bytes, 26);
    header.bitsPerPixel = ReadU16(bytes, 28);
    header.compression = ReadU32(bytes, 30);
    header.paletteOffset = 54;
    header.paletteEntries = ReadU32(bytes, 46);
    if (header.paletteEntries == 0 && header.bitsPerPixel <= 8) {
        header.paletteEntries = 1u << header.bitsPerPixel;
    }
    return header;
}

// Colour table entry i (stored blue, green, red, reserved) as 0xRRGGBB.
inline std::uint32_t PaletteEntry(const QByteArray& bytes, const BmpHeader& header, int i) {
    const int at = static_cast<int>(header.paletteOffset) + 4 * i;
    return ReadU32(bytes, at) & 0xffffffu;
}

inline std::uint32_t Rgb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xffffffu;
}

} // namespace lumet::test
