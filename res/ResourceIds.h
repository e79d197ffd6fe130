#pragma once

// The numbers of the artwork resources: the program loads them by these numbers and
// the artwork generator (tools/artgen) writes them under them, so both include this
// header. res/bitmaps/<number>.bmp, res/cursors/<number>.png, res/icons/128-<size>.png.

namespace lumet::ResourceId {

inline constexpr int kIcon = 128;
inline constexpr int kSkin = 129; // the 360 × 116 window background

// Hover words over the display (319 × 42) and their one-bit masks.
inline constexpr int kHoverStop = 148;
inline constexpr int kHoverReport = 149;
inline constexpr int kHoverSetup = 150;
inline constexpr int kHoverStayAlive = 151;
inline constexpr int kHoverStart = 152;
inline constexpr int kHoverRandom = 153;
inline constexpr int kHoverReportMask = 154;
inline constexpr int kHoverRandomMask = 155;
inline constexpr int kHoverSetupMask = 156;
inline constexpr int kHoverStayAliveMask = 157;
inline constexpr int kHoverStartMask = 158;
inline constexpr int kHoverStopMask = 159;

// Cursors.
inline constexpr int kUpwardHandCursor = 160;
inline constexpr int kLeftwardHandCursor = 161;
inline constexpr int kTypingHandCursor = 162;

// Panels.
inline constexpr int kReportPanel = 164;   // 360 × 300, below the window
inline constexpr int kSettingsPanel = 165; // 322 × 80, over the display
inline constexpr int kAboutPanel = 197;    // 322 × 80, over the display

// The status line's mode captions, the failed-probe icon and the wrong-address banner.
inline constexpr int kCaptionRun = 166;
inline constexpr int kCaptionReady = 167;
inline constexpr int kCaptionRandom = 168;
inline constexpr int kErrorIcon = 169;
inline constexpr int kCaptionSeekingTarget = 170;
inline constexpr int kCaptionStayAlive = 171;
inline constexpr int kWrongAddressBanner = 211;
inline constexpr int kCaptionEliminated = 212;

} // namespace lumet::ResourceId
