#include "platform/wingdi/GdiFontEngine.h"

#include "platform/win32/Utf16.h"
#include "platform/wingdi/GdiGlyphRenderer.h"

#include <algorithm>

namespace lumet {

std::unique_ptr<GlyphRenderer> GdiFontEngine::Open(std::string_view face, int cellHeight,
                                                   int weight) const {
    if (cellHeight <= 0) {
        return nullptr;
    }
    LOGFONTW request{};
    request.lfHeight = cellHeight;
    request.lfWeight = weight;
    request.lfCharSet = DEFAULT_CHARSET;
    request.lfOutPrecision = OUT_DEFAULT_PRECIS;
    request.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    // Text is drawn in two levels only, as the program's skins expect.
    request.lfQuality = NONANTIALIASED_QUALITY;
    request.lfPitchAndFamily = DEFAULT_PITCH | FF_SWISS;
    const std::wstring name = Utf16(face);
    const std::size_t length = std::min<std::size_t>(name.size(), LF_FACESIZE - 1);
    std::copy_n(name.begin(), length, request.lfFaceName);
    UniqueFont font(CreateFontIndirectW(&request));
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!font || !dc) {
        return nullptr;
    }
    return std::make_unique<GdiGlyphRenderer>(std::move(dc), std::move(font), cellHeight);
}

} // namespace lumet
