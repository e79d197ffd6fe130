#pragma once

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
        const char* picture;
        const char* mask;
    };
    static constexpr HoverWord kHoverWords[] = {
        {"STOP", "148", "159"},       {"REPORT", "149", "154"}, {"SETUP", "150", "156"},
        {"STAY ALIVE", "151", "157"}, {"START", "152", "158"},  {"RANDOM", "153", "155"},
    };

    struct Caption {
        const char* word;
        const char* bitmap;
    };
    static constexpr Caption kCaptions[] = {
        {"RUN", "166"},        {"READY", "167"},          {"RANDOM", "168"},
        {"STAY ALIVE", "171"}, {"SEEKING TARGET", "170"}, {"ELIMINATED", "212"},
    };

    static void Build(ArtSet& art, const ArtFonts& fonts);
};

} // namespace lumet::art
