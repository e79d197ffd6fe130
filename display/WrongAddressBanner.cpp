#include "display/WrongAddressBanner.h"

#include "res/ResourceIds.h"

namespace lumet {

namespace {

constexpr int kDisplayAreaX = 6;
constexpr int kDisplayAreaY = 30;
constexpr int kDisplayAreaWidth = 320;
constexpr int kDisplayAreaHeight = 80;

constexpr int kBannerX = 8;
constexpr int kBannerY = 60;
constexpr int kBannerWidth = 311;
constexpr int kBannerHeight = 47;

} // namespace

void ShowWrongAddress(DeviceContext& screen, const DeviceContext& displaySnapshot,
                      WrongAddressWindow& window) {
    const DeviceContext banner{Bitmap::LoadResource(ResourceId::kWrongAddressBanner)};
    screen.BitBlt(kDisplayAreaX, kDisplayAreaY, kDisplayAreaWidth, kDisplayAreaHeight,
                  displaySnapshot, 0, 0, Rop::SrcCopy);
    window.DisableAddressField();
    screen.BitBlt(kBannerX, kBannerY, kBannerWidth, kBannerHeight, banner, 0, 0, Rop::SrcPaint);
    window.Beep();
}

} // namespace lumet
