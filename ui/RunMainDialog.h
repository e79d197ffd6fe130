#pragma once

namespace lumet {

class MainDialog;

// The modal run of a made dialog and its end: a Cancel end (Escape, the window
// manager's close) saves the settings as QT does, any other end saves nothing.
// Returns the process's exit code.
int RunMainDialog(MainDialog& dialog);

} // namespace lumet
