#pragma once

#include "display/WindowCanvas.h"
#include "platform/clock/Clock.h"
#include "platform/gdi/Bitmap.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace lumet::test {

// A window client area that keeps every picture copied onto it, with the time.
class RecordingWindowCanvas final : public WindowCanvas {
public:
    struct Copy {
        std::uint32_t atMs = 0;
        Point origin;
        Bitmap image;
    };
    std::vector<Copy> copies;
    DeviceContext client{Bitmap(360, 116)};
    // Runs after each copy, e.g. to act as the user once something has shown.
    std::function<void()> onCopy;

    explicit RecordingWindowCanvas(const Clock& clock) : clock_(clock) {}

    void CopyToWindow(const DeviceContext& image, Point clientOrigin) override {
        const Bitmap& pixels = image.CurrentBitmap();
        copies.push_back(Copy{clock_.MonotonicMs(), clientOrigin, pixels});
        client.BitBlt(clientOrigin.x, clientOrigin.y, pixels.Width(), pixels.Height(), image, 0, 0,
                      Rop::SrcCopy);
        if (onCopy) {
            onCopy();
        }
    }

private:
    const Clock& clock_;
};

} // namespace lumet::test
