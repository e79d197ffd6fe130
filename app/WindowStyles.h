#pragma once

#include <cstdint>

namespace lumet {

// Style bits as dialog templates carry them, with the values the platform gives
// WS_*, WS_EX_*, DS_*, ES_*, BS_* and SS_*. Named without those prefixes so that
// they never collide with the platform's macros.
namespace window_style {
inline constexpr std::uint32_t kPopup = 0x80000000u;
inline constexpr std::uint32_t kChild = 0x40000000u;
inline constexpr std::uint32_t kVisible = 0x10000000u;
inline constexpr std::uint32_t kDisabled = 0x08000000u;
inline constexpr std::uint32_t kBorder = 0x00800000u;
inline constexpr std::uint32_t kTabStop = 0x00010000u;
} // namespace window_style

namespace extended_style {
inline constexpr std::uint32_t kTransparent = 0x00000020u;
inline constexpr std::uint32_t kAppWindow = 0x00040000u;
} // namespace extended_style

namespace dialog_style {
inline constexpr std::uint32_t kSetFont = 0x00000040u;
} // namespace dialog_style

namespace edit_style {
inline constexpr std::uint32_t kCenter = 0x0001u;
inline constexpr std::uint32_t kRight = 0x0002u;
inline constexpr std::uint32_t kNumber = 0x2000u;
} // namespace edit_style

namespace button_style {
inline constexpr std::uint32_t kTypeMask = 0x000Fu;
inline constexpr std::uint32_t kOwnerDraw = 0x000Bu;
inline constexpr std::uint32_t kLeft = 0x0100u;
inline constexpr std::uint32_t kRight = 0x0200u;
inline constexpr std::uint32_t kCenter = 0x0300u;
inline constexpr std::uint32_t kNotify = 0x4000u;
} // namespace button_style

namespace static_style {
inline constexpr std::uint32_t kTypeMask = 0x001Fu;
inline constexpr std::uint32_t kCenter = 0x0001u;
inline constexpr std::uint32_t kRight = 0x0002u;
inline constexpr std::uint32_t kOwnerDraw = 0x000Du;
inline constexpr std::uint32_t kBitmap = 0x000Eu;
inline constexpr std::uint32_t kNotify = 0x0100u;
} // namespace static_style

} // namespace lumet
