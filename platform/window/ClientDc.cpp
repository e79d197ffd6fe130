#include "platform/window/ClientDc.h"

#include "platform/window/DialogWindow.h"
#include "platform/window/WindowSurface.h"

namespace lumet {

ClientDc::ClientDc(DialogWindow& window) : ClientDc(window.Surface()) {}

ClientDc::ClientDc(DialogWindow& window, const Rect& clip) : ClientDc(window.Surface(), clip) {}

ClientDc::ClientDc(WindowSurface& surface, std::optional<Rect> clip)
    : surface_(surface), dc_(surface.Dc()), pen_(dc_.SelectPen(Pen())),
      brush_(dc_.SelectBrush(Brush())), font_(dc_.SelectFont(Font())),
      textColor_(dc_.SetTextColor(Color{0, 0, 0})), bkColor_(dc_.SetBkColor(Color{255, 255, 255})),
      bkMode_(dc_.SetBkMode(BackgroundMode::Opaque)), rop2_(dc_.SetROP2(Rop2::CopyPen)),
      clip_(dc_.GetClipRgn()) {
    const Rect visible = surface.ClientRect();
    const Rect area = clip ? clip->Normalized().Intersected(visible) : visible;
    // An empty clip must still clip everything away, so keep it at the origin.
    dc_.SelectClipRgn(Region(area.IsEmpty() ? Rect{} : area));
    surface_.BeginDrawing(area.IsEmpty() ? Rect{} : area);
}

ClientDc::~ClientDc() {
    dc_.SelectPen(pen_);
    dc_.SelectBrush(brush_);
    dc_.SelectFont(font_);
    dc_.SetTextColor(textColor_);
    dc_.SetBkColor(bkColor_);
    dc_.SetBkMode(bkMode_);
    dc_.SetROP2(rop2_);
    dc_.SelectClipRgn(clip_);
    surface_.EndDrawing();
}

} // namespace lumet
