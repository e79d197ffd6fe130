#include "platform/window/FaceLoader.h"

namespace lumet {

Bitmap LoadFaceResource(const std::string& name) {
    return Bitmap::LoadResource(name);
}

} // namespace lumet
