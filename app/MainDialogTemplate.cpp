#include "app/MainDialogTemplate.h"

#include "app/WindowStyles.h"

#include <string>

namespace lumet {

namespace {

using namespace window_style;

constexpr std::uint8_t kDefaultCharset = 1;

constexpr std::uint32_t kAddressStyle = kChild | kVisible | kTabStop | edit_style::kCenter;
constexpr std::uint32_t kWindowButtonStyle = kChild | kVisible | button_style::kOwnerDraw;
constexpr std::uint32_t kModeButtonStyle = kWindowButtonStyle | kTabStop;
// Invisible click targets over the skin: bitmap statics without an image.
constexpr std::uint32_t kZoneStyle =
    kChild | kVisible | static_style::kNotify | static_style::kBitmap;
constexpr std::uint32_t kSettingsFieldStyle =
    kChild | kBorder | kTabStop | edit_style::kNumber | edit_style::kRight;
constexpr std::uint32_t kHiddenButtonStyle = kChild | button_style::kOwnerDraw;

DialogItem Item(std::uint16_t id, std::uint16_t windowClass, const std::u16string& caption,
                DialogRect rect, std::uint32_t style, std::uint32_t exStyle) {
    DialogItem item;
    item.id = id;
    item.windowClass = ResourceName::Ordinal(windowClass);
    item.title = ResourceName::Text(caption);
    item.rect = rect;
    item.style = style;
    item.exStyle = exStyle;
    return item;
}

DialogItem Edit(std::uint16_t id, DialogRect rect, std::uint32_t style, std::uint32_t exStyle) {
    return Item(id, kEditClassOrdinal, u"", rect, style, exStyle);
}

DialogItem Button(std::uint16_t id, const std::u16string& caption, DialogRect rect,
                  std::uint32_t style, std::uint32_t exStyle) {
    return Item(id, kButtonClassOrdinal, caption, rect, style, exStyle);
}

DialogItem Zone(std::uint16_t id, DialogRect rect) {
    return Item(id, kStaticClassOrdinal, u"", rect, kZoneStyle, extended_style::kTransparent);
}

} // namespace

DialogTemplate MainDialogTemplate::Description() {
    constexpr std::uint32_t kTransparent = extended_style::kTransparent;

    DialogTemplate dialog;
    dialog.exStyle = extended_style::kAppWindow;
    dialog.style = kPopup | kVisible | dialog_style::kSetFont;
    dialog.rect = {0, 0, 180, 58};
    dialog.pointSize = kPointSize;
    dialog.charset = kDefaultCharset;
    dialog.typeface = u"Courier New";
    dialog.items = {
        Edit(kAddressField, {6, 31, 151, 16}, kAddressStyle, kTransparent),
        Button(kQuitButton, u"QT", {167, 2, 9, 9}, kWindowButtonStyle, kTransparent),
        Button(kMinimizeButton, u"MI", {156, 2, 9, 9}, kWindowButtonStyle, kTransparent),
        Button(kHelpButton, u"QM", {145, 2, 9, 9}, kWindowButtonStyle, kTransparent),
        Button(kRunButton, u"RUN", {167, 17, 13, 6}, kModeButtonStyle, kTransparent),
        Button(kRandomButton, u"RND", {167, 24, 13, 6}, kModeButtonStyle, kTransparent),
        Button(kStayAliveButton, u"STA", {167, 31, 13, 6}, kModeButtonStyle, kTransparent),
        Button(kReportButton, u"REP", {167, 45, 13, 6}, kModeButtonStyle, kTransparent),
        Button(kSettingsButton, u"SET", {167, 38, 13, 6}, kModeButtonStyle, kTransparent),
        Zone(kCaptionStrip, {24, 0, 116, 12}),
        Edit(kIntervalField, {41, 31, 16, 8}, kSettingsFieldStyle, 0),
        Edit(kPingLimitField, {41, 19, 16, 8}, kSettingsFieldStyle, 0),
        Edit(kStayAliveField, {41, 43, 16, 8}, kSettingsFieldStyle, 0),
        Edit(kPacketSizeField, {105, 19, 22, 8}, kSettingsFieldStyle, 0),
        Edit(kTtlField, {105, 31, 16, 8}, kSettingsFieldStyle, 0),
        Edit(kTimeoutField, {94, 43, 20, 8}, kSettingsFieldStyle, 0),
        Button(kResetButton, u"RESET", {138, 46, 22, 8}, kHiddenButtonStyle, 0),
        Zone(kLogoCorner, {0, 0, 28, 12}),
        Button(kEmailButton, u"EMAIL", {116, 196, 18, 8}, kHiddenButtonStyle, 0),
        Button(kCopyButton, u"COPY", {136, 196, 18, 8}, kHiddenButtonStyle, 0),
        Button(kPrintButton, u"PRINT", {156, 196, 18, 8}, kHiddenButtonStyle, 0),
    };
    return dialog;
}

} // namespace lumet
