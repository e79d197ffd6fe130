#include "platform/wingdi/GdiGlyphRenderer.h"

#include "platform/win32/Utf16.h"

#include <array>

namespace lumet {

GdiGlyphRenderer::GdiGlyphRenderer(UniqueMemoryDc dc, UniqueFont font, int cellHeight)
    : dc_(std::move(dc)), font_(std::move(font)), cellHeight_(cellHeight) {
    previousFont_ = SelectObject(dc_.get(), font_.get());
    TEXTMETRICW metrics{};
    if (GetTextMetricsW(dc_.get(), &metrics) != 0) {
        ascent_ = static_cast<int>(metrics.tmAscent);
    }
}

GdiGlyphRenderer::~GdiGlyphRenderer() {
    // The font must leave the DC before either is deleted.
    SelectObject(dc_.get(), previousFont_);
}

std::string GdiGlyphRenderer::Family() const {
    std::array<wchar_t, LF_FACESIZE> name{};
    const int length = GetTextFaceW(dc_.get(), static_cast<int>(name.size()), name.data());
    return length > 0 ? Utf8(std::wstring_view(name.data(), static_cast<std::size_t>(length) - 1))
                      : std::string();
}

int GdiGlyphRenderer::Advance(std::string_view text) const {
    const std::wstring wide = Utf16(text);
    SIZE size{};
    if (wide.empty() ||
        GetTextExtentPoint32W(dc_.get(), wide.data(), static_cast<int>(wide.size()), &size) == 0) {
        return 0;
    }
    return static_cast<int>(size.cx);
}

RasterText GdiGlyphRenderer::Render(std::string_view text) const {
    RasterText raster;
    raster.advance = Advance(text);
    raster.margin = cellHeight_;
    raster.width = raster.advance + 2 * raster.margin;
    raster.height = cellHeight_ + 2 * raster.margin;
    raster.ink.assign(
        static_cast<std::size_t>(raster.width) * static_cast<std::size_t>(raster.height), false);
    // A top-down 32-bit DIB section, black, with the glyphs drawn in white: every
    // pixel GDI lights is one the text lights.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = raster.width;
    info.bmiHeader.biHeight = -raster.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const UniqueBitmap canvas(
        CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const std::wstring wide = Utf16(text);
    if (!canvas || bits == nullptr || wide.empty()) {
        return raster;
    }
    {
        const SelectedObject selected(dc_.get(), canvas.get());
        SetBkMode(dc_.get(), TRANSPARENT);
        SetTextColor(dc_.get(), RGB(255, 255, 255));
        SetTextAlign(dc_.get(), TA_TOP | TA_LEFT | TA_NOUPDATECP);
        TextOutW(dc_.get(), raster.margin, raster.margin, wide.data(),
                 static_cast<int>(wide.size()));
        GdiFlush();
    }
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < raster.ink.size(); ++i) {
        raster.ink[i] = (pixels[i] & 0xFFFFFFu) != 0;
    }
    return raster;
}

} // namespace lumet
