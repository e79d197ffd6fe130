#pragma once

#include "app/DialogTemplate.h"
#include "app/MainDialogTemplate.h"
#include "platform/window/BitmapButton.h"
#include "platform/window/EditControl.h"
#include "ui/AddressEdit.h"
#include "ui/HoverState.h"
#include "ui/SkinButton.h"
#include "ui/SkinButtonHost.h"
#include "ui/TitleStatic.h"

#include <array>
#include <map>
#include <memory>
#include <vector>

namespace lumet {

class DialogWindow;

// The classes the dialog makes its skin buttons, title statics and address-style
// edits of.
using SkinButtonControl = SkinButton;
using TitleStaticControl = TitleStatic;
using AddressEditControl = AddressEdit;

// Every control of the main dialog, made from its template at two pixels per dialog
// unit and attached to the window in template order (which is z-order and tab order).
class MainDialogControls {
public:
    static constexpr int kPixelsPerUnit = 2;

    // Control ids of the settings fields in the order the dialog initialises them.
    static constexpr std::array<int, 6> kSettingsFieldIds{
        MainDialogTemplate::kIntervalField,  MainDialogTemplate::kPingLimitField,
        MainDialogTemplate::kStayAliveField, MainDialogTemplate::kPacketSizeField,
        MainDialogTemplate::kTtlField,       MainDialogTemplate::kTimeoutField};

    // hover and host: what the skin buttons share with the dialog.
    MainDialogControls(DialogWindow& window, const DialogTemplate& dialogTemplate,
                       HoverState& hover, SkinButtonHost& host);

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
    std::unique_ptr<Control> Create(const DialogItem& item, HoverState& hover,
                                    SkinButtonHost& host);

    std::vector<std::unique_ptr<Control>> controls_;
    std::map<int, Control*> byId_;
    std::map<int, BitmapButton*> buttons_;
    std::map<int, EditControl*> edits_;
    AddressEditControl* addressField_ = nullptr;
};

} // namespace lumet
