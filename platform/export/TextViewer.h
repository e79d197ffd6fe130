#pragma once

#include "platform/gdi/Rect.h"

#include <filesystem>
#include <string>

namespace lumet {

// Shows text files in windows of their own, each known by its title, from which
// the user can also print the text. Tests replace it with a recorder.
class TextViewer {
public:
    virtual ~TextViewer() = default;

    // Brings the window titled `title` to the front, showing the file's current
    // text, or opens one when there is none. False when no window shows the file
    // (it could not be read).
    virtual bool Show(const std::filesystem::path& file, const std::string& title) = 0;

    // Moves the window titled `title`, if one is open, to `screenRect` (frame
    // included, in screen pixels).
    virtual void Place(const std::string& title, const Rect& screenRect) = 0;
};

} // namespace lumet
