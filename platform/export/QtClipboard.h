#pragma once

#include "platform/export/Clipboard.h"

namespace lumet {

// The application's clipboard. A QGuiApplication must exist.
class QtClipboard final : public Clipboard {
public:
    void SetPicture(const Bitmap& picture) override;
    void Clear() override;
};

} // namespace lumet
