#include "display/DrawingObjects.h"

namespace lumet {

DrawingObjects DrawingObjects::Create(const FontEngine& engine) {
    constexpr int kBold = 700;
    DrawingObjects objects;
    objects.smallTahomaFont = Font::Create(engine, "Tahoma", 12);
    objects.largeArialFont = Font::Create(engine, "Arial", 42, kBold);
    objects.mediumArialFont = Font::Create(engine, "Arial", 18, kBold);
    objects.smallArialFont = Font::Create(engine, "Arial", 12);
    objects.blackBrush = Brush::Solid(kBlack);
    objects.lightCyanBrush = Brush::Solid(kLightCyan);
    objects.redBrush = Brush::Solid(Color{0xFF, 0x00, 0x00});
    objects.greenBrush = Brush::Solid(Color{0x00, 0x7F, 0x00});
    objects.orangeBrush = Brush::Solid(Color{0xCC, 0x7F, 0x00});
    objects.lightCyanPen = Pen::Solid(kLightCyan, 1);
    objects.wideLightCyanPen = Pen::Solid(kLightCyan, 2);
    objects.redPen = Pen::Solid(Color{0xFF, 0x00, 0x00}, 1);
    objects.statusPictures = StatusPictures::Load();
    return objects;
}

} // namespace lumet
