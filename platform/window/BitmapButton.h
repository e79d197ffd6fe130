#pragma once

#include "platform/window/ButtonFaces.h"
#include "platform/window/Control.h"

#include <string>

namespace lumet {

// An owner-drawn push button showing one of four bitmaps (CBitmapButton). It paints
// only its face, copied unscaled to its rectangle, and nothing where the face does
// not reach. Pressing it with the left button takes the mouse capture and shows the
// down face while the pointer stays over it; releasing it over itself sends
// Clicked. Space works the same while it has the focus. A double-click sends
// DoubleClicked and does not press it.
class BitmapButton : public Control {
public:
    BitmapButton(int id, const Rect& rect, std::string caption, ControlStyle style = {});

    ControlKind Kind() const override { return ControlKind::Button; }
    const std::string& Caption() const { return caption_; }

    // Loads caption + "U" (required), "D", "F" and "X" through the window's face
    // loader and resizes the button to the up face. Returns false, changing nothing,
    // when there is no up face or no window.
    bool AutoLoad();
    // A new face set by resource names, "" for none. It neither redraws nor resizes
    // the button: disable and enable it to show the new face at once. Returns false,
    // changing nothing, when the up face cannot be loaded.
    bool LoadBitmaps(const std::string& up, const std::string& down = {},
                     const std::string& focus = {}, const std::string& disabled = {});
    void SetFaces(ButtonFaces faces) { faces_ = std::move(faces); }
    const ButtonFaces& Faces() const { return faces_; }
    // Resizes the button to its up face, keeping its top-left corner.
    void SizeToContent();

    bool IsPressed() const { return pushed_; }
    ButtonFace CurrentFace() const { return faces_.Choose(pushed_, HasFocus(), !IsEnabled()); }

    void OnMouseMove(Point point) override;
    void OnLeftButtonDown(Point point) override;
    void OnLeftButtonUp(Point point) override;
    void OnLeftButtonDoubleClick(Point point) override;
    void OnKeyDown(const InputMessage& message) override;
    void OnKeyUp(const InputMessage& message) override;
    void OnSetFocus() override;
    void OnKillFocus() override;
    void OnCaptureChanged() override;

protected:
    void Paint(DeviceContext& dc, const ControlColors& colors) override;

private:
    // BM_SETSTATE: shows the change at once.
    void SetPushed(bool pushed);
    void Release(bool inside);

    std::string caption_;
    ButtonFaces faces_;
    bool pushed_ = false;
    bool tracking_ = false; // pressed by the mouse or Space, not yet released
};

} // namespace lumet
