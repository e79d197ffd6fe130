#include "display/StatusPictures.h"

#include "res/ResourceIds.h"

namespace lumet {

namespace {

// Caption resources in StatusPicture order.
constexpr std::array<int, 6> kCaptionResources{
    ResourceId::kCaptionReady,         ResourceId::kCaptionRun,
    ResourceId::kCaptionRandom,        ResourceId::kCaptionStayAlive,
    ResourceId::kCaptionSeekingTarget, ResourceId::kCaptionEliminated};
constexpr int kErrorIconResource = ResourceId::kErrorIcon;

} // namespace

StatusPictures StatusPictures::Load() {
    StatusPictures pictures;
    for (std::size_t i = 0; i < kCaptionResources.size(); ++i) {
        pictures.captions_[i] = Bitmap::LoadResource(kCaptionResources[i]);
    }
    pictures.errorIcon_ = Bitmap::LoadResource(kErrorIconResource);
    return pictures;
}

const Bitmap* StatusPictures::Caption(StatusPicture mode) const {
    const auto index = static_cast<std::size_t>(static_cast<int>(mode));
    return index < captions_.size() ? &captions_[index] : nullptr;
}

} // namespace lumet
