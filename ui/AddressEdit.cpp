#include "ui/AddressEdit.h"

#include <algorithm>
#include <string>

namespace lumet {

namespace {

constexpr char32_t kBackspace = 8;
constexpr int kBoldWeight = 700;

bool IsAllowed(char32_t character) {
    return character < 0x80 && character != 0 &&
           AddressEdit::kAllowedCharacters.find(static_cast<char>(character)) !=
               std::string_view::npos;
}

char LowerAscii(char character) {
    return character >= 'A' && character <= 'Z' ? static_cast<char>(character + ('a' - 'A'))
                                                : character;
}

} // namespace

AddressEdit::AddressEdit(int id, const Rect& rect, ControlStyle style, EditStyle editStyle)
    : EditControl(id, rect, style, editStyle) {}

void AddressEdit::CreateFonts(const FontEngine& engine) {
    nameFont_ = Font::Create(engine, "Arial", kNameFontHeight, kBoldWeight);
    dottedFont_ = Font::Create(engine, "Arial", kDottedFontHeight, kBoldWeight);
}

bool AddressEdit::IsHostNameText(std::string_view text) {
    return text.find_first_of(kHostNameCharacters) != std::string_view::npos;
}

void AddressEdit::OnChar(char32_t character) {
    if (Id() != kAddressFieldId) {
        EditControl::OnChar(character);
        return;
    }
    if (character >= U'A' && character <= U'Z') {
        character += U'a' - U'A';
    }
    if (IsAllowed(character) || character == kBackspace) {
        DefaultChar(character);
        return;
    }
    PlayBeep();
}

void AddressEdit::OnUpdate() {
    if (Id() != kAddressFieldId) {
        return;
    }
    // A copy: the field's own text keeps its case (pasted or set by the program).
    std::string lower = GetWindowText();
    std::transform(lower.begin(), lower.end(), lower.begin(), LowerAscii);
    if (IsHostNameText(lower)) {
        MoveWithFont(nameFont_, kNameOrigin);
    } else {
        MoveWithFont(dottedFont_, kDottedOrigin);
    }
}

void AddressEdit::LayOutDottedAddress() {
    MoveWithFont(dottedFont_, kResolvedOrigin);
}

void AddressEdit::MoveWithFont(const Font& font, Point origin) {
    const Rect& rect = WindowRect();
    const int width = rect.Width();
    const int height = rect.Height();
    EnableWindow(false);
    SetFont(font, true);
    MoveWindow(Rect{origin.x, origin.y, origin.x + width, origin.y + height});
    EnableWindow(true);
    // A hidden field (under the settings panel, whose data exchange sets this text
    // too) must not take the keyboard: typing and Enter would reach an address
    // nobody sees.
    if (IsVisible()) {
        SetFocus();
    }
}

} // namespace lumet
