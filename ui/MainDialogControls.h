#pragma once

#include "app/DialogTemplate.h"
#include "platform/window/BitmapButton.h"
#include "platform/window/EditControl.h"
#include "platform/window/StaticControl.h"

#include <array>
#include <map>
#include <memory>
#include <vector>

namespace lumet {

class DialogWindow;

// The classes the dialog makes its skin buttons, title statics and address-style
// edits of. They are the window layer's plain controls; the dialog itself supplies
// the few behaviours of the skin's own classes (dragging by the caption strip, the
// about toggle on the logo corner).
using SkinButtonControl = BitmapButton;
using TitleStaticControl = StaticControl;
using AddressEditControl = EditControl;

// Every control of the main dialog, made from its template at two pixels per dialog
// unit and attached to the window in template order (which is z-order and tab order).
class MainDialogControls {
public:
    static constexpr int kPixelsPerUnit = 2;

    // Control ids of the settings fields in the order the dialog initialises them.
    static constexpr std::array<int, 6> kSettingsFieldIds{1017, 1018, 1019, 1020, 1021, 1022};

    MainDialogControls(DialogWindow& window, const DialogTemplate& dialogTemplate);

    MainDialogControls(const MainDialogControls&) = delete;
    MainDialogControls& operator=(const MainDialogControls&) = delete;

    // The template's rectangle of an item in client pixels.
    static Rect PixelRect(const DialogRect& rect);

    // nullptr for an id the template does not have or of another kind.
    Control* Find(int id) const;
    BitmapButton* FindButton(int id) const;
    EditControl* FindEdit(int id) const;

    // The address field, 1000; the template always has it.
    AddressEditControl& AddressField() const { return *addressField_; }

    const std::vector<std::unique_ptr<Control>>& All() const { return controls_; }

private:
    std::unique_ptr<Control> Create(const DialogItem& item);

    std::vector<std::unique_ptr<Control>> controls_;
    std::map<int, Control*> byId_;
    std::map<int, BitmapButton*> buttons_;
    std::map<int, EditControl*> edits_;
    AddressEditControl* addressField_ = nullptr;
};

} // namespace lumet
