#include "platform/window/FaceLoader.h"

#include <QString>

namespace lumet {

Bitmap LoadFaceResource(const std::string& name) {
    if (name.empty()) {
        return {};
    }
    return Bitmap::Load(QStringLiteral(":/bitmaps/%1.bmp").arg(QString::fromStdString(name)));
}

} // namespace lumet
