#pragma once

#include <QRgb>

// One palette for the whole skin: light cyan on black, set in dark gunmetal.
namespace lumet::art::palette {

inline constexpr QRgb kBlack = 0xff000000;
inline constexpr QRgb kWhite = 0xffffffff;
inline constexpr QRgb kCyan = 0xffccffff;
inline constexpr QRgb kCyanMid = 0xff7fb3b3;
inline constexpr QRgb kCyanDim = 0xff3f6466;
inline constexpr QRgb kCyanFaint = 0xff1c2e30;
inline constexpr QRgb kCaption = 0xffff9966;
inline constexpr QRgb kRed = 0xffff0000;
inline constexpr QRgb kBannerGround = 0xff0b0b0d;

inline constexpr QRgb kMetalHighlight = 0xff8aa0a4;
inline constexpr QRgb kMetalLight = 0xff52666a;
inline constexpr QRgb kMetalTop = 0xff2e3b3e;
inline constexpr QRgb kMetalBottom = 0xff161e20;
inline constexpr QRgb kMetalShadow = 0xff0a0e0f;
inline constexpr QRgb kEdge = 0xff030404;

inline constexpr QRgb kLampGreen = 0xff35e85a;
inline constexpr QRgb kLampGreenGlow = 0xffb9ffc8;
inline constexpr QRgb kLampGreenDeep = 0xff138a2b;
inline constexpr QRgb kLampRed = 0xffff3a2e;
inline constexpr QRgb kLampRedGlow = 0xffffb8ae;
inline constexpr QRgb kLampRedDeep = 0xff9c1410;
inline constexpr QRgb kLampOff = 0xff1d2820;
inline constexpr QRgb kLampOffDeep = 0xff111813;

} // namespace lumet::art::palette
