#include "platform/gdi/BmpDecoder.h"

#include <array>
#include <bit>
#include <limits>

namespace lumet {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
// BITMAPV2INFOHEADER and later carry the red, green and blue masks in the header.
constexpr std::uint32_t kMasksInHeaderSize = 52;
constexpr std::uint32_t kRgb = 0;
constexpr std::uint32_t kBitFields = 3;

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool Has(std::uint64_t offset, std::uint64_t count) const {
        return offset <= bytes_.size() && count <= bytes_.size() - offset;
    }
    std::uint8_t U8(std::size_t offset) const { return bytes_[offset]; }
    std::uint16_t U16(std::size_t offset) const {
        return static_cast<std::uint16_t>(bytes_[offset] | (bytes_[offset + 1] << 8));
    }
    std::uint32_t U32(std::size_t offset) const {
        return static_cast<std::uint32_t>(U16(offset)) |
               (static_cast<std::uint32_t>(U16(offset + 2)) << 16);
    }
    const std::uint8_t* At(std::size_t offset) const { return bytes_.data() + offset; }

private:
    std::span<const std::uint8_t> bytes_;
};

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0; // negative: top row first
    int bitCount = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colorsUsed = 0;
    std::array<std::uint32_t, 3> masks{}; // red, green, blue
    std::size_t paletteOffset = 0;
    std::size_t paletteEntrySize = 4;
};

std::optional<Header> ReadHeader(const ByteReader& file) {
    if (!file.Has(0, kFileHeaderSize + 4) || file.U8(0) != 'B' || file.U8(1) != 'M') {
        return std::nullopt;
    }
    const std::uint32_t size = file.U32(kFileHeaderSize);
    if (!file.Has(kFileHeaderSize, size)) {
        return std::nullopt;
    }
    Header header;
    const std::size_t at = kFileHeaderSize;
    if (size == kCoreHeaderSize) {
        header.width = file.U16(at + 4);
        header.height = file.U16(at + 6);
        header.bitCount = file.U16(at + 10);
        header.paletteOffset = at + size;
        header.paletteEntrySize = 3;
        return header;
    }
    if (size < kInfoHeaderSize) {
        return std::nullopt;
    }
    header.width = static_cast<std::int32_t>(file.U32(at + 4));
    header.height = static_cast<std::int32_t>(file.U32(at + 8));
    header.bitCount = file.U16(at + 14);
    header.compression = file.U32(at + 16);
    header.colorsUsed = file.U32(at + 32);
    header.paletteOffset = at + size;
    if (header.compression == kBitFields) {
        // A plain information header is followed by the three masks instead.
        const std::size_t masksAt = size >= kMasksInHeaderSize ? at + kInfoHeaderSize : at + size;
        if (!file.Has(masksAt, 12)) {
            return std::nullopt;
        }
        header.masks = {file.U32(masksAt), file.U32(masksAt + 4), file.U32(masksAt + 8)};
        if (size < kMasksInHeaderSize) {
            header.paletteOffset += 12;
        }
    } else if (header.bitCount == 16) {
        header.masks = {0x7C00u, 0x03E0u, 0x001Fu};
    } else {
        header.masks = {0xFF0000u, 0x00FF00u, 0x0000FFu};
    }
    return header;
}

bool IsSupported(const Header& header) {
    switch (header.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        return header.compression == kRgb;
    case 16:
    case 32:
        return header.compression == kRgb || header.compression == kBitFields;
    default:
        return false;
    }
}

// One color channel picked out by a mask and widened to 8 bits by repeating its
// bits, so that a full channel of any width becomes 255.
class Channel {
public:
    explicit Channel(std::uint32_t mask)
        : mask_(mask), shift_(mask == 0 ? 0 : std::countr_zero(mask)), bits_(std::popcount(mask)) {}

    std::uint8_t Of(std::uint32_t pixel) const {
        if (bits_ == 0) {
            return 0;
        }
        const std::uint32_t value = (pixel & mask_) >> shift_;
        if (bits_ >= 8) {
            return static_cast<std::uint8_t>(value >> (bits_ - 8));
        }
        std::uint32_t widened = 0;
        for (int filled = 0; filled < 8; filled += bits_) {
            widened = (widened << bits_) | value;
        }
        const int extra = ((8 + bits_ - 1) / bits_) * bits_ - 8;
        return static_cast<std::uint8_t>(widened >> extra);
    }

private:
    std::uint32_t mask_;
    int shift_;
    int bits_;
};

std::vector<PixelWord> ReadPalette(const ByteReader& file, const Header& header) {
    if (header.bitCount > 8) {
        return {};
    }
    const std::uint32_t full = 1u << header.bitCount;
    const std::uint32_t count =
        header.colorsUsed == 0 || header.colorsUsed > full ? full : header.colorsUsed;
    std::vector<PixelWord> palette;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = header.paletteOffset + i * header.paletteEntrySize;
        if (!file.Has(entry, header.paletteEntrySize)) {
            break;
        }
        palette.push_back(0xFF000000u | (PixelWord{file.U8(entry + 2)} << 16) |
                          (PixelWord{file.U8(entry + 1)} << 8) | file.U8(entry));
    }
    return palette;
}

PixelWord DecodePixel(const std::uint8_t* row, std::int64_t x, const Header& header,
                      const std::vector<PixelWord>& palette,
                      const std::array<Channel, 3>& channels) {
    const int bits = header.bitCount;
    if (bits <= 8) {
        const std::int64_t bit = x * bits;
        const int shift = 8 - bits - static_cast<int>(bit % 8);
        const unsigned index = (row[bit / 8] >> shift) & ((1u << bits) - 1u);
        // Windows shows an index past the color table as black.
        return index < palette.size() ? palette[index] : 0xFF000000u;
    }
    const std::uint8_t* p = row + x * (bits / 8);
    if (bits == 24) {
        return 0xFF000000u | (PixelWord{p[2]} << 16) | (PixelWord{p[1]} << 8) | p[0];
    }
    const std::uint32_t value = bits == 16 ? static_cast<std::uint32_t>(p[0] | (p[1] << 8))
                                           : static_cast<std::uint32_t>(p[0]) | (p[1] << 8) |
                                                 (p[2] << 16) | (std::uint32_t{p[3]} << 24);
    return 0xFF000000u | (PixelWord{channels[0].Of(value)} << 16) |
           (PixelWord{channels[1].Of(value)} << 8) | channels[2].Of(value);
}

} // namespace

std::optional<DecodedBmp> BmpDecoder::Decode(std::span<const std::uint8_t> bytes) {
    const ByteReader file(bytes);
    const std::optional<Header> header = ReadHeader(file);
    if (!header || !IsSupported(*header)) {
        return std::nullopt;
    }
    const std::int64_t width = header->width;
    const std::int64_t height = header->height < 0 ? -header->height : header->height;
    if (width <= 0 || height <= 0 || width > std::numeric_limits<int>::max() ||
        height > std::numeric_limits<int>::max() || width * height > kMaxPixels) {
        return std::nullopt;
    }
    const std::uint64_t stride =
        ((static_cast<std::uint64_t>(width) * header->bitCount + 31) / 32) * 4;
    const std::uint32_t pixelOffset = file.U32(10);
    if (!file.Has(pixelOffset, stride * static_cast<std::uint64_t>(height))) {
        return std::nullopt;
    }
    const std::vector<PixelWord> palette = ReadPalette(file, *header);
    const std::array<Channel, 3> channels{Channel(header->masks[0]), Channel(header->masks[1]),
                                          Channel(header->masks[2])};
    DecodedBmp decoded;
    decoded.width = static_cast<int>(width);
    decoded.height = static_cast<int>(height);
    decoded.bitCount = header->bitCount;
    decoded.pixels.reserve(static_cast<std::size_t>(width * height));
    const bool topDown = header->height < 0;
    for (std::int64_t y = 0; y < height; ++y) {
        const std::int64_t stored = topDown ? y : height - 1 - y;
        const std::uint8_t* row = file.At(pixelOffset + static_cast<std::size_t>(stored) * stride);
        for (std::int64_t x = 0; x < width; ++x) {
            decoded.pixels.push_back(DecodePixel(row, x, *header, palette, channels));
        }
    }
    return decoded;
}

} // namespace lumet
