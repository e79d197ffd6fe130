#include "display/AverageMarkerBlink.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/Rect.h"

namespace lumet {

namespace {

constexpr Color kDarkRed{0x80, 0x00, 0x00};
// Two rows into the display area, which starts at client row 30.
constexpr int kBlinkTop = 32;

// Whether the wrapping millisecond time a comes before b.
bool Before(std::uint32_t a, std::uint32_t b) {
    return static_cast<std::int32_t>(a - b) < 0;
}

// Ends the watch however the loop is left.
class Watch {
public:
    explicit Watch(UserActivity& activity) : activity_(activity) { activity_.StartWatching(); }
    ~Watch() { activity_.StopWatching(); }

    Watch(const Watch&) = delete;
    Watch& operator=(const Watch&) = delete;

private:
    UserActivity& activity_;
};

} // namespace

DeviceContext MakeBlinkImage(const DrawingObjects& objects, BlinkImage image) {
    DeviceContext dc{Bitmap(kBlinkImageWidth, kBlinkImageHeight)};
    dc.FillRect(Rect{0, 0, kBlinkImageWidth, kBlinkImageHeight}, objects.blackBrush);
    dc.SelectPen(objects.lightCyanPen);
    dc.SetROP2(Rop2::CopyPen);
    dc.SelectBrush(image == BlinkImage::Red ? objects.redBrush : Brush::Solid(kDarkRed));
    dc.Polygon({{0, 0}, {6, 0}, {6, 2}, {3, 5}, {0, 2}});
    return dc;
}

Point BlinkMarkerOrigin(int averageMarkerX) {
    return Point{averageMarkerX - 3, kBlinkTop};
}

void BlinkAverageMarker(int averageMarkerX, const DrawingObjects& objects, WindowCanvas& window,
                        MessagePump& pump, const Clock& clock, UserActivity& activity) {
    const DeviceContext red = MakeBlinkImage(objects, BlinkImage::Red);
    const DeviceContext darkRed = MakeBlinkImage(objects, BlinkImage::DarkRed);
    const Point origin = BlinkMarkerOrigin(averageMarkerX);

    const Watch watch(activity);
    bool redNext = true;
    std::uint32_t nextBlinkMs = clock.MonotonicMs();
    for (;;) {
        if (activity.QuitRequested()) {
            return;
        }
        if (activity.MouseMoved() || activity.LeftButtonPressed()) {
            window.CopyToWindow(red, origin);
            return;
        }
        const std::uint32_t nowMs = clock.MonotonicMs();
        if (!Before(nowMs, nextBlinkMs)) {
            window.CopyToWindow(redNext ? red : darkRed, origin);
            redNext = !redNext;
            nextBlinkMs = nowMs + kBlinkPeriodMs;
        }
        pump.WaitForMessages(nextBlinkMs - nowMs);
    }
}

} // namespace lumet
