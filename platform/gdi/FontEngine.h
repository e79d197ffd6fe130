#pragma once

#include "platform/gdi/GlyphRenderer.h"

#include <memory>
#include <string_view>

namespace lumet {

// Makes fonts as CreateFont requests them: by face, cell height in pixels
// (ascent + descent, as a positive lfHeight) and weight (400 normal, 700 bold).
class FontEngine {
public:
    virtual ~FontEngine() = default;

    // Nothing when the engine cannot make fonts at all; any face it does not have
    // is replaced by one it has, as the system's font mapper does.
    virtual std::unique_ptr<GlyphRenderer> Open(std::string_view face, int cellHeight,
                                                int weight) const = 0;
};

} // namespace lumet
