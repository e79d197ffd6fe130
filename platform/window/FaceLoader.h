#pragma once

#include "platform/gdi/Bitmap.h"

#include <functional>
#include <string>

namespace lumet {

// Loads a bitmap button's face by resource name ("RUNU"); a null bitmap when there
// is none.
using FaceLoader = std::function<Bitmap(const std::string& name)>;

// The program's faces: its bitmap resources.
Bitmap LoadFaceResource(const std::string& name);

} // namespace lumet
