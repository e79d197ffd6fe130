#pragma once

#include "res/ResourceIds.h"
#include "tools/artgen/ArtFonts.h"
#include "tools/artgen/ArtSet.h"

namespace lumet::art {

// The words laid into the display area: the hover words with their masks (148-159), the
// status-line captions (166-171 but 169, and 212), the error icon (169) and the
// WRONG ADDRESS banner (211).
class WordArt {
public:
    struct HoverWord {
        const char* word;
        int picture;
        int mask;
    };
    static constexpr HoverWord kHoverWords[] = {
        {"STOP", ResourceId::kHoverStop, ResourceId::kHoverStopMask},
        {"REPORT", ResourceId::kHoverReport, ResourceId::kHoverReportMask},
        {"SETUP", ResourceId::kHoverSetup, ResourceId::kHoverSetupMask},
        {"STAY ALIVE", ResourceId::kHoverStayAlive, ResourceId::kHoverStayAliveMask},
        {"START", ResourceId::kHoverStart, ResourceId::kHoverStartMask},
        {"RANDOM", ResourceId::kHoverRandom, ResourceId::kHoverRandomMask},
    };

    struct Caption {
        const char* word;
        int bitmap;
    };
    static constexpr Caption kCaptions[] = {
        {"RUN", ResourceId::kCaptionRun},
        {"READY", ResourceId::kCaptionReady},
        {"RANDOM", ResourceId::kCaptionRandom},
        {"STAY ALIVE", ResourceId::kCaptionStayAlive},
        {"SEEKING TARGET", ResourceId::kCaptionSeekingTarget},
        {"ELIMINATED", ResourceId::kCaptionEliminated},
    };

    static void Build(ArtSet& art, const ArtFonts& fonts);
};

} // namespace lumet::art
