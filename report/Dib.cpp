#include "report/Dib.h"

#include "platform/files/ReplaceFileContents.h"

#include <limits>

namespace lumet {

namespace {

constexpr Color kWhite = Color::FromHex(0xFFFFFF);

void AppendLe16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFFu));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void AppendLe32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFFu));
    }
}

void AppendLe32(std::vector<std::uint8_t>& out, std::int32_t value) {
    AppendLe32(out, static_cast<std::uint32_t>(value));
}

// Bytes before the pixel rows in the file.
std::uint64_t PixelOffset(int bitCount) {
    return Dib::kFileHeaderSize + Dib::kHeaderSize + 4ull * Dib::ColorCount(bitCount);
}

void FillMonochromeRows(const Bitmap& bitmap, std::uint64_t stride,
                        std::vector<std::uint8_t>& bits) {
    const int height = bitmap.Height();
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = bits.data() + static_cast<std::uint64_t>(height - 1 - y) * stride;
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (bitmap.Pixel(x, y) == kWhite) {
                row[x / 8] |= static_cast<std::uint8_t>(0x80u >> (x % 8));
            }
        }
    }
}

void FillColorRows(const Bitmap& bitmap, std::uint64_t stride, std::vector<std::uint8_t>& bits) {
    const int height = bitmap.Height();
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = bits.data() + static_cast<std::uint64_t>(height - 1 - y) * stride;
        for (int x = 0; x < bitmap.Width(); ++x) {
            const Color pixel = bitmap.Pixel(x, y);
            row[4 * x] = pixel.blue;
            row[4 * x + 1] = pixel.green;
            row[4 * x + 2] = pixel.red;
        }
    }
}

} // namespace

std::uint64_t Dib::RowStride(std::int64_t width, int bitCount) {
    const auto bitsPerRow =
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitCount);
    return ((bitsPerRow + 31) & ~std::uint64_t{31}) / 8;
}

std::uint32_t Dib::ColorCount(int bitCount) {
    return bitCount >= 1 && bitCount <= 8 ? 1u << bitCount : 0u;
}

bool Dib::IsConsistent() const {
    if (header.size != kHeaderSize || header.width <= 0 || header.height == 0 ||
        header.planes != 1 || header.bitCount == 0 || header.compression != 0) {
        return false;
    }
    const std::int64_t rows = header.height < 0 ? -std::int64_t{header.height} : header.height;
    const std::uint64_t imageSize =
        RowStride(header.width, header.bitCount) * static_cast<std::uint64_t>(rows);
    return colorTable.size() == ColorCount(header.bitCount) && header.imageSize == imageSize &&
           bits.size() == imageSize &&
           PixelOffset(header.bitCount) + imageSize <= std::numeric_limits<std::uint32_t>::max();
}

std::vector<std::uint8_t> Dib::PackedBytes() const {
    std::vector<std::uint8_t> out;
    out.reserve(kHeaderSize + 4 * colorTable.size() + bits.size());
    AppendLe32(out, header.size);
    AppendLe32(out, header.width);
    AppendLe32(out, header.height);
    AppendLe16(out, header.planes);
    AppendLe16(out, header.bitCount);
    AppendLe32(out, header.compression);
    AppendLe32(out, header.imageSize);
    AppendLe32(out, header.xPelsPerMeter);
    AppendLe32(out, header.yPelsPerMeter);
    AppendLe32(out, header.colorsUsed);
    AppendLe32(out, header.colorsImportant);
    for (const DibColor& color : colorTable) {
        out.insert(out.end(), {color.blue, color.green, color.red, color.reserved});
    }
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}

std::vector<std::uint8_t> Dib::FileBytes() const {
    const std::vector<std::uint8_t> packed = PackedBytes();
    std::vector<std::uint8_t> out;
    out.reserve(kFileHeaderSize + packed.size());
    out.push_back('B');
    out.push_back('M');
    AppendLe32(out, static_cast<std::uint32_t>(kFileHeaderSize + packed.size()));
    AppendLe16(out, 0);
    AppendLe16(out, 0);
    AppendLe32(out,
               static_cast<std::uint32_t>(kFileHeaderSize + kHeaderSize + 4 * colorTable.size()));
    out.insert(out.end(), packed.begin(), packed.end());
    return out;
}

std::optional<Dib> BitmapToDib(const Bitmap& bitmap) {
    if (bitmap.IsNull()) {
        return std::nullopt;
    }
    const int bitCount = bitmap.IsMonochrome() ? 1 : 32;
    const std::uint64_t stride = Dib::RowStride(bitmap.Width(), bitCount);
    const std::uint64_t imageSize = stride * static_cast<std::uint64_t>(bitmap.Height());
    if (PixelOffset(bitCount) + imageSize > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }

    Dib dib;
    dib.header.width = bitmap.Width();
    dib.header.height = bitmap.Height();
    dib.header.bitCount = static_cast<std::uint16_t>(bitCount);
    dib.header.imageSize = static_cast<std::uint32_t>(imageSize);
    dib.bits.assign(static_cast<std::size_t>(imageSize), 0);
    if (bitmap.IsMonochrome()) {
        dib.colorTable = {DibColor{0, 0, 0, 0}, DibColor{255, 255, 255, 0}};
        FillMonochromeRows(bitmap, stride, dib.bits);
    } else {
        FillColorRows(bitmap, stride, dib.bits);
    }
    return dib;
}

bool WriteDibFile(const Dib& dib, const std::filesystem::path& file, std::error_code* why) {
    if (!dib.IsConsistent()) {
        if (why != nullptr) {
            *why = std::make_error_code(std::errc::invalid_argument);
        }
        return false;
    }
    return ReplaceFileContents(file, dib.FileBytes(), why);
}

} // namespace lumet
