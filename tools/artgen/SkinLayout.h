#pragma once

#include <QRect>

// Where the window puts each piece of artwork, in client pixels (dialog units times two).
// The pictures are drawn to fit these places exactly.
namespace lumet::art::layout {

inline constexpr QSize kWindow{360, 116};

inline constexpr QRect kLogoCorner{0, 0, 56, 24};
inline constexpr QRect kCaptionStrip{48, 0, 232, 24};

inline constexpr QPoint kQuit{334, 4};
inline constexpr QPoint kMinimise{312, 4};
inline constexpr QPoint kHelp{290, 4};
inline constexpr QSize kSmallButton{18, 18};
inline constexpr QSize kQuitUp{18, 19};

inline constexpr int kModeButtonX = 334;
inline constexpr int kRunY = 34;
inline constexpr int kRandomY = 48;
inline constexpr int kStayAliveY = 62;
inline constexpr int kSetupY = 76;
inline constexpr int kReportY = 90;
inline constexpr QSize kModeButton{25, 12};

// The displays draw into 320 x 80; the panels laid over it are two columns wider.
inline constexpr QRect kDisplay{6, 30, 320, 80};
inline constexpr QRect kPanelArea{6, 30, 322, 80};
inline constexpr QSize kPanel{322, 80};

// Quality scale: a box over rows 30-55 framed at display x 0 and 320, bands divided at
// display x 80, 160 and 240. The live bar covers buffer rows 8-21 (client 38-51).
inline constexpr int kScaleTop = 30;
inline constexpr int kScaleBottom = 55;
inline constexpr int kScaleLeft = 6;
inline constexpr int kScaleRight = 326;
inline constexpr int kBandDividers[] = {86, 166, 246};
inline constexpr int kBarTop = 38;
inline constexpr int kBarBottom = 51;

// Lower display band and what lands in it.
inline constexpr QPoint kLowerBand{6, 56};
inline constexpr QPoint kGraphOrigin{6, 66};
inline constexpr QRect kAddressField{12, 62, 302, 32};
inline constexpr QPoint kHoverWord{6, 62};
inline constexpr QSize kHoverWordSize{319, 42};
inline constexpr QPoint kCaption{9, 57};
inline constexpr QSize kCaptionSize{200, 10};
inline constexpr QPoint kErrorIcon{8, 58};
inline constexpr QPoint kBanner{8, 60};
inline constexpr QSize kBannerSize{311, 47};

// Settings panel, in panel coordinates (client minus (6, 30)).
inline constexpr QRect kPingLimitField{76, 8, 32, 16};
inline constexpr QRect kIntervalField{76, 32, 32, 16};
inline constexpr QRect kStayAliveField{76, 56, 32, 16};
inline constexpr QRect kPacketSizeField{204, 8, 44, 16};
inline constexpr QRect kTtlField{204, 32, 32, 16};
inline constexpr QRect kTimeOutField{182, 56, 40, 16};
inline constexpr QRect kResetButton{270, 62, 36, 12};

// Report panel, in panel coordinates (client minus (0, 116)).
inline constexpr QSize kReportPanel{360, 300};
inline constexpr QPoint kReportPanelOrigin{0, 116};
inline constexpr QSize kExportButton{36, 16};
inline constexpr QPoint kEmailButton{232, 276};
inline constexpr QPoint kCopyButton{272, 276};
inline constexpr QPoint kPrintButton{312, 276};

} // namespace lumet::art::layout
