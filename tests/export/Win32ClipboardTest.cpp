#include "platform/export/win32/Win32Clipboard.h"

#include "platform/gdi/BmpDecoder.h"
#include "platform/gdi/DeviceContext.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

// The system clipboard under Wine, which keeps it in its server and so needs no
// display: what another program pastes after each use.

namespace lumet {
namespace {

// The clipboard's CF_DIB as a paste gets it, decoded by the program's own .bmp
// reader; nothing when there is none.
std::optional<DecodedBmp> PastedDib() {
    if (OpenClipboard(nullptr) == 0) {
        ADD_FAILURE() << "the clipboard could not be opened";
        return std::nullopt;
    }
    // A .bmp file is the packed DIB behind a 14-byte header.
    std::vector<std::uint8_t> file = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0};
    HANDLE data = GetClipboardData(CF_DIB);
    if (data != nullptr) {
        const auto* bytes = static_cast<const std::uint8_t*>(GlobalLock(data));
        file.insert(file.end(), bytes, bytes + GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return data != nullptr ? BmpDecoder::Decode(file) : std::nullopt;
}

Bitmap Colour() {
    const PixelWord pixels[] = {0xFF112233, 0xFF445566, 0xFF778899, // top row
                                0xFFAABBCC, 0xFFDDEEFF, 0xFF010203};
    return Bitmap::FromPixels(3, 2, pixels);
}

Bitmap ReportLike() {
    DeviceContext dc(Bitmap::Monochrome(9, 4));
    dc.SetPixel(0, 0, Color{255, 255, 255});
    dc.SetPixel(8, 3, Color{255, 255, 255});
    return dc.CurrentBitmap();
}

struct ClipboardRow {
    const char* fault;
    std::function<void(Win32Clipboard&)> use;
    std::optional<Bitmap> pasted; // none: no CF_DIB left
};

class ClipboardRoundTrip : public testing::TestWithParam<ClipboardRow> {};

TEST_P(ClipboardRoundTrip, PastesWhatWasCopiedLast) {
    const ClipboardRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    Win32Clipboard clipboard;
    row.use(clipboard);
    const std::optional<DecodedBmp> pasted = PastedDib();
    ASSERT_EQ(pasted.has_value(), row.pasted.has_value());
    if (pasted) {
        const std::span<const PixelWord> expected = row.pasted->Pixels();
        EXPECT_EQ(pasted->width, row.pasted->Width());
        EXPECT_EQ(pasted->pixels, std::vector<PixelWord>(expected.begin(), expected.end()));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Win32Clipboard, ClipboardRoundTrip,
    testing::Values(
        ClipboardRow{"a colour picture pasted flipped, shifted or with red and blue swapped",
                     [](Win32Clipboard& c) { c.SetPicture(Colour()); }, Colour()},
        ClipboardRow{"the monochrome report picture pasted without its white pixels",
                     [](Win32Clipboard& c) { c.SetPicture(ReportLike()); }, ReportLike()},
        ClipboardRow{"a second copy pasting the first picture",
                     [](Win32Clipboard& c) {
                         c.SetPicture(ReportLike());
                         c.SetPicture(Colour());
                     },
                     Colour()},
        ClipboardRow{"Clear leaving the picture to be pasted",
                     [](Win32Clipboard& c) {
                         c.SetPicture(Colour());
                         c.Clear();
                     },
                     std::nullopt},
        // Without emptying, the clipboard would also keep what was copied before.
        ClipboardRow{"a picture that could not be loaded pasting the one before",
                     [](Win32Clipboard& c) {
                         c.SetPicture(Colour());
                         c.SetPicture(Bitmap());
                     },
                     std::nullopt}));

} // namespace
} // namespace lumet
