#pragma once

#include "app/MainDialogTemplate.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Point.h"
#include "platform/window/EditControl.h"

#include <string_view>

namespace lumet {

// The edit class of the address field (control 1000) and of the six settings fields.
//
// As the address field it takes only host-name and dotted-address characters
// (upper-case letters arrive in lower case, anything else beeps) and re-lays itself
// after every change of its text: a text holding a host-name character is shown in
// `nameFont` at (18, 70), digits and dots (or nothing) in `dottedFont` at (12, 62).
// The field keeps its size and only moves. Each re-layout ends with the field enabled
// and, when it is shown, focused, so a caller that sets the text of a field that
// should stay disabled disables it afterwards.
//
// With any other id it is a plain edit (the settings fields: digits only through
// their edit style) and its two fonts are never created.
class AddressEdit : public EditControl {
public:
    static constexpr int kAddressFieldId = MainDialogTemplate::kAddressField;
    // Everything the address field accepts besides backspace, as the program has
    // always listed it.
    static constexpr std::string_view kAllowedCharacters = "0123456789.-abcdefghijklmnopqrstuwvxyz";
    // Characters that make a text a host name rather than a dotted address.
    static constexpr std::string_view kHostNameCharacters = "-abcdefghijklmnopqrstuwvxyz";
    static constexpr Point kNameOrigin{18, 70};
    static constexpr Point kDottedOrigin{12, 62};
    // Where LayOutDottedAddress puts the field; the text change that follows it moves
    // the field up to kDottedOrigin.
    static constexpr Point kResolvedOrigin{12, 63};
    static constexpr int kNameFontHeight = 21;
    static constexpr int kDottedFontHeight = 42;

    AddressEdit(int id, const Rect& rect, ControlStyle style = {}, EditStyle editStyle = {});

    // Creates `nameFont` and `dottedFont`; once, for the address field, during dialog
    // initialisation.
    void CreateFonts(const FontEngine& engine);
    const Font& NameFont() const { return nameFont_; }
    const Font& DottedFont() const { return dottedFont_; }

    // Switches the field to the dotted-address layout, for a dotted address about to
    // replace a host name that has been resolved.
    void LayOutDottedAddress();

    // Whether a (lower-case) text holds a host-name character.
    static bool IsHostNameText(std::string_view text);

    void OnChar(char32_t character) override;
    void OnUpdate() override;

private:
    // Disables the field, sets font with redraw, moves the field to origin keeping its
    // size, then enables it and, when shown, focuses it again.
    void MoveWithFont(const Font& font, Point origin);

    Font nameFont_;
    Font dottedFont_;
};

} // namespace lumet
