#include "app/DisplayCheck.h"

#include "app/DialogTemplate.h"

#include <optional>
#include <string>

namespace lumet {

namespace {

constexpr const char* kWarningCaption = "Warning";

constexpr const char* kPaletteWarning = "Your display is set to 256 (or less) colors.\n"
                                        "This application deliberately is stripped off\n"
                                        "indexed color support, and unless you will\n"
                                        "provide a valid reason to do otherwise - it\n"
                                        "is going to stay that way.\n"
                                        "Meanwhile, do yourself a favor and switch \n"
                                        "the display to Hi-Color or True-Color Mode.\n";

constexpr const char* kFontSizeWarning = "Your display is set to unsupported font size,\n"
                                         "(i.e. other than Small Fonts or Large Fonts).\n"
                                         "It may cause, that this application will not\n"
                                         "show on the screen properly.\n\n"
                                         "LOGPIXELSX = ";

std::optional<std::uint16_t> PointSizeFor(int logPixelsX) {
    switch (logPixelsX) {
    case 96:
        return 10;
    case 120:
        return 8;
    default:
        return std::nullopt;
    }
}

} // namespace

std::vector<std::uint8_t> CheckDisplay(std::vector<std::uint8_t> dialogTemplate,
                                       const DisplayMetrics& display, MessageBoxes& messages) {
    if (display.numColors > 0) {
        messages.ShowMessage(kWarningCaption, MessageIcon::Warning, kPaletteWarning);
    }
    const std::optional<std::uint16_t> pointSize = PointSizeFor(display.logPixelsX);
    if (!pointSize) {
        messages.ShowMessage(kWarningCaption, MessageIcon::Warning,
                             kFontSizeWarning + std::to_string(display.logPixelsX));
        return dialogTemplate;
    }
    if (const std::optional<std::size_t> offset = DialogTemplate::PointSizeOffset(dialogTemplate)) {
        dialogTemplate[*offset] = static_cast<std::uint8_t>(*pointSize & 0xFFu);
        dialogTemplate[*offset + 1] = static_cast<std::uint8_t>(*pointSize >> 8);
    }
    return dialogTemplate;
}

} // namespace lumet
