#pragma once

#include <string>
#include <string_view>

namespace lumet {

// The edit control keeps its text in UTF-16, as the window system's edit controls
// do: caret and selection positions count its units. Invalid UTF-8 sequences and
// unpaired surrogates become U+FFFD.
std::u16string Utf16FromUtf8(std::string_view utf8);
std::string Utf8FromUtf16(std::u16string_view utf16);

} // namespace lumet
