#include "ui/SkinButton.h"

#include "app/MainDialogTemplate.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/window/ClientDc.h"
#include "platform/window/DialogWindow.h"
#include "res/ResourceIds.h"
#include "ui/CursorResource.h"

#include <utility>

namespace lumet {

namespace {

constexpr int kQuitId = MainDialogTemplate::kQuitButton;
constexpr int kMinimizeId = MainDialogTemplate::kMinimizeButton;
constexpr int kHelpId = MainDialogTemplate::kHelpButton;
constexpr int kRunId = MainDialogTemplate::kRunButton;
constexpr int kRandomId = MainDialogTemplate::kRandomButton;
constexpr int kStayAliveId = MainDialogTemplate::kStayAliveButton;
constexpr int kReportId = MainDialogTemplate::kReportButton;
constexpr int kSettingsId = MainDialogTemplate::kSettingsButton;

} // namespace

std::optional<SkinButton::HoverWord> SkinButton::HoverWordFor(int controlId, TestState testState) {
    switch (controlId) {
    case kRunId:
        return testState == TestState::Idle
                   ? HoverWord{ResourceId::kHoverStart, ResourceId::kHoverStartMask}
                   : HoverWord{ResourceId::kHoverStop, ResourceId::kHoverStopMask};
    case kRandomId:
        return HoverWord{ResourceId::kHoverRandom, ResourceId::kHoverRandomMask};
    case kStayAliveId:
        return HoverWord{ResourceId::kHoverStayAlive, ResourceId::kHoverStayAliveMask};
    case kReportId:
        return HoverWord{ResourceId::kHoverReport, ResourceId::kHoverReportMask};
    case kSettingsId:
        return HoverWord{ResourceId::kHoverSetup, ResourceId::kHoverSetupMask};
    default:
        return std::nullopt;
    }
}

std::optional<int> SkinButton::CursorFor(int controlId) {
    switch (controlId) {
    case kQuitId:
    case kMinimizeId:
    case kHelpId:
        return ResourceId::kUpwardHandCursor;
    case kRunId:
    case kRandomId:
    case kStayAliveId:
    case kReportId:
    case kSettingsId:
        return ResourceId::kLeftwardHandCursor;
    default:
        return std::nullopt;
    }
}

SkinButton::SkinButton(int id, const Rect& rect, std::string caption, HoverState& hoverState,
                       SkinButtonHost& host, ControlStyle style)
    : BitmapButton(id, rect, std::move(caption), style), hoverState_(hoverState), host_(host) {
    hoverState_.hoverWordShown = false;
}

void SkinButton::OnMouseMove(Point point) {
    const int id = Id();
    if (!hovering_) {
        // Restarting the timer on every move makes the tick come 100 ms after the
        // pointer stops.
        GetTimers().SetTimer(kHoverTimerId, kHoverTimerPeriodMs);
    } else if (hoverState_.hoverButtonId != id || !ClientRect().Contains(point.x, point.y)) {
        // The pointer has left, or another skin button has handled a move since.
        hovering_ = false;
        if (HasCapture()) {
            ReleaseCapture();
        }
        hoverState_.hoverWordShown = false;
        RepaintDialog();
    }
    hoverState_.hoverButtonId = id;
    BitmapButton::OnMouseMove(point);
}

void SkinButton::OnLeftButtonDown(Point point) {
    hoverState_.hoverWordShown = false;
    RepaintDialog();
    BitmapButton::OnLeftButtonDown(point);
}

bool SkinButton::OnSetCursor() {
    const std::optional<int> cursorId = CursorFor(Id());
    if (!cursorId || Window() == nullptr) {
        return BitmapButton::OnSetCursor();
    }
    if (!cursor_) {
        cursor_ = LoadCursorResource(*cursorId);
    }
    Window()->SetCursor(*cursor_);
    return true;
}

void SkinButton::OnTimer(int id) {
    if (id != kHoverTimerId || !hoverState_.hoverWordsEnabled || host_.DisplayAreaCovered()) {
        return;
    }
    const Point cursor = CursorPos();
    // A disabled or hidden button does not see the pointer, so it shows no word.
    if (Window() != nullptr && IsVisible() && IsEnabled() &&
        ClientRect().Contains(cursor.x, cursor.y)) {
        SetCapture();
        hovering_ = true;
        DrawHoverWord();
        RepaintDialog();
        hoverState_.hoverWordShown = true;
    }
    GetTimers().KillTimer(kHoverTimerId);
}

void SkinButton::OnCaptureChanged() {
    BitmapButton::OnCaptureChanged();
    // Losing the capture while the word is up (the button disabled for a face change,
    // the capture taken by another control) would leave the word on the screen with
    // nobody to take it away when the pointer leaves, and the overlay pass would stop
    // refreshing the lower band. A press has already taken the word away.
    if (hovering_ && hoverState_.hoverWordShown && hoverState_.hoverButtonId == Id()) {
        hovering_ = false;
        hoverState_.hoverWordShown = false;
        RepaintDialog();
    }
}

void SkinButton::DrawHoverWord() {
    DialogWindow* const window = Window();
    if (window == nullptr) {
        return;
    }
    DeviceContext composite(Bitmap(kBandWidth, kBandHeight));
    composite.BitBlt(0, 0, kBandWidth, kBandHeight, host_.HoverBackdrop(), 0, 0, Rop::SrcCopy);
    if (const std::optional<HoverWord> word = HoverWordFor(Id(), host_.CurrentTestState())) {
        const DeviceContext picture(window->LoadFace(std::to_string(word->picture)));
        const DeviceContext mask(window->LoadFace(std::to_string(word->mask)));
        // The mask blackens the word's pixels, then the picture colours them; its black
        // leaves the backdrop as it is.
        composite.BitBlt(0, kWordTop, kWordWidth, kWordHeight, mask, 0, 0, Rop::SrcAnd);
        composite.BitBlt(0, kWordTop, kWordWidth, kWordHeight, picture, 0, 0, Rop::SrcInvert);
    }
    ClientDc dc(*window);
    dc->BitBlt(kBandOrigin.x, kBandOrigin.y, kBandWidth, kBandHeight, composite, 0, 0,
               Rop::SrcCopy);
}

void SkinButton::RepaintDialog() {
    if (Window() != nullptr) {
        Window()->SendPaint();
    }
}

} // namespace lumet
