#include "tools/artgen/BmpEncoder.h"

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace lumet::art {

namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;
constexpr quint32 kPixelsPerMetre = 2835; // 72 dpi

void PutU16(QByteArray& out, quint32 value) {
    out.append(static_cast<char>(value & 0xffu));
    out.append(static_cast<char>((value >> 8) & 0xffu));
}

void PutU32(QByteArray& out, quint32 value) {
    PutU16(out, value & 0xffffu);
    PutU16(out, value >> 16);
}

QRgb Opaque(QRgb rgb) {
    return rgb | 0xff000000u;
}

// Black first so that an all-black start of a row reads as index 0, then ascending RGB.
std::vector<QRgb> BuildPalette(const QImage& image, int bitsPerPixel) {
    if (bitsPerPixel == 1) {
        return {0xff000000u, 0xffffffffu};
    }
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(Opaque(row[x]));
        }
    }
    std::vector<QRgb> palette;
    palette.push_back(0xff000000u);
    for (const QRgb colour : colours) {
        if (colour != 0xff000000u) {
            palette.push_back(colour);
        }
    }
    return palette;
}

} // namespace

BmpEncoder::Result BmpEncoder::Encode(const QImage& source, int bitsPerPixel) {
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24) {
        return {{}, QStringLiteral("unsupported depth %1").arg(bitsPerPixel)};
    }
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const bool indexed = bitsPerPixel != 24;

    std::vector<QRgb> palette;
    std::map<QRgb, quint32> indexOf;
    if (indexed) {
        palette = BuildPalette(image, bitsPerPixel);
        const std::size_t capacity = std::size_t{1} << bitsPerPixel;
        if (palette.size() > capacity) {
            return {{},
                    QStringLiteral("%1 colours do not fit in %2 bits per pixel")
                        .arg(palette.size())
                        .arg(bitsPerPixel)};
        }
        for (std::size_t i = 0; i < palette.size(); ++i) {
            indexOf[palette[i]] = static_cast<quint32>(i);
        }
        palette.resize(capacity, 0xff000000u);
    }

    const int stride = ((width * bitsPerPixel + 31) / 32) * 4;
    const auto paletteBytes = static_cast<quint32>(palette.size() * 4);
    const auto pixelBytes = static_cast<quint32>(stride * height);
    const quint32 offset = kFileHeaderSize + kInfoHeaderSize + paletteBytes;

    QByteArray out;
    out.reserve(static_cast<qsizetype>(offset + pixelBytes));
    out.append("BM");
    PutU32(out, offset + pixelBytes);
    PutU32(out, 0);
    PutU32(out, offset);

    PutU32(out, kInfoHeaderSize);
    PutU32(out, static_cast<quint32>(width));
    PutU32(out, static_cast<quint32>(height)); // positive: rows stored bottom-up
    PutU16(out, 1);
    PutU16(out, static_cast<quint32>(bitsPerPixel));
    PutU32(out, 0); // uncompressed
    PutU32(out, pixelBytes);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, kPixelsPerMetre);
    PutU32(out, static_cast<quint32>(palette.size()));
    PutU32(out, 0);

    for (const QRgb colour : palette) {
        out.append(static_cast<char>(qBlue(colour)));
        out.append(static_cast<char>(qGreen(colour)));
        out.append(static_cast<char>(qRed(colour)));
        out.append('\0');
    }

    std::vector<unsigned char> row(static_cast<std::size_t>(stride));
    for (int y = height - 1; y >= 0; --y) {
        std::fill(row.begin(), row.end(), 0);
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb colour = Opaque(pixels[x]);
            if (!indexed) {
                const auto at = static_cast<std::size_t>(x) * 3;
                row[at] = static_cast<unsigned char>(qBlue(colour));
                row[at + 1] = static_cast<unsigned char>(qGreen(colour));
                row[at + 2] = static_cast<unsigned char>(qRed(colour));
                continue;
            }
            const auto found = indexOf.find(colour);
            if (found == indexOf.end()) {
                return {{},
                        QStringLiteral("pixel (%1, %2) is neither black nor white").arg(x).arg(y)};
            }
            const quint32 index = found->second;
            const auto bit = static_cast<std::size_t>(x) * static_cast<std::size_t>(bitsPerPixel);
            const std::size_t byte = bit / 8;
            const auto shift = static_cast<unsigned>(8 - bitsPerPixel - static_cast<int>(bit % 8));
            row[byte] = static_cast<unsigned char>(row[byte] | (index << shift));
        }
        out.append(reinterpret_cast<const char*>(row.data()), stride);
    }
    return {out, {}};
}

} // namespace lumet::art
