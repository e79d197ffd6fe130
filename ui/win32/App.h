#pragma once

#include "app/DisplayCheck.h"

#include <string>
#include <utility>

namespace lumet {

// The program's outer frame on Windows: names the settings profile after the
// application, checks the display, runs the main dialog modally on the Win32
// services and ends the way the dialog ended.
class App {
public:
    explicit App(std::string applicationName) : applicationName_(std::move(applicationName)) {}

    // The start-up sequence and the modal run; returns the process's exit code.
    int Run();

    // What the display check needs to know of the screen.
    static DisplayMetrics ScreenMetrics();

private:
    std::string applicationName_;
};

} // namespace lumet
