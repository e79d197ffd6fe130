#pragma once

#include "platform/gdi/Point.h"
#include "platform/window/BitmapButton.h"
#include "platform/window/Cursor.h"
#include "ui/HoverState.h"
#include "ui/SkinButtonHost.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lumet {

// The bitmap button of the window buttons (QT, MI, QM) and the mode buttons (RUN,
// RND, STA, REP, SET). It looks and clicks like a BitmapButton and adds pointer
// feedback: a hand cursor, and once the pointer has rested on a mode button for
// 100 ms a large "hover word" naming what the button does, laid over the display
// area's lower band. The word goes when the pointer leaves or the button is pressed.
//
// While it shows its word (or, for QT, MI and QM, the bare hover backdrop) the button
// holds the mouse capture, so it hears of the pointer leaving.
class SkinButton : public BitmapButton {
public:
    static constexpr int kHoverTimerId = 10;
    static constexpr std::uint32_t kHoverTimerPeriodMs = 100;

    // The lower band of the display area that the words cover, in client pixels, and
    // the word pictures inside it.
    static constexpr Point kBandOrigin{6, 56};
    static constexpr int kBandWidth = 320;
    static constexpr int kBandHeight = 54;
    static constexpr int kWordTop = 6;
    static constexpr int kWordWidth = 319;
    static constexpr int kWordHeight = 42;

    // Bitmap resources of a hover word: the picture (the word on black) and its
    // one-bit mask (0 on the word, 1 elsewhere).
    struct HoverWord {
        int picture = 0;
        int mask = 0;
        friend bool operator==(const HoverWord&, const HoverWord&) = default;
    };

    // The word of a button: RUN says START while idle and STOP during a test; QT, MI
    // and QM have none.
    static std::optional<HoverWord> HoverWordFor(int controlId, TestState testState);
    // The cursor resource over a button: 160 over QT, MI and QM, 161 over the mode
    // buttons, none for other ids.
    static std::optional<int> CursorFor(int controlId);

    SkinButton(int id, const Rect& rect, std::string caption, HoverState& hoverState,
               SkinButtonHost& host, ControlStyle style = {});

    // `hovering`: the pointer has rested on the button and the hover state began.
    bool IsHovering() const { return hovering_; }

    void OnMouseMove(Point point) override;
    void OnLeftButtonDown(Point point) override;
    bool OnSetCursor() override;
    void OnTimer(int id) override;
    void OnCaptureChanged() override;

private:
    // Composes the word over the hover backdrop off screen and copies the band to the
    // window in one step, so it never flickers.
    void DrawHoverWord();
    // WM_PAINT to the dialog; its overlay pass then repaints the lower band unless a
    // word is shown.
    void RepaintDialog();

    HoverState& hoverState_;
    SkinButtonHost& host_;
    bool hovering_ = false;
    std::optional<Cursor> cursor_;
};

} // namespace lumet
