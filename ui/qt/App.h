#pragma once

#include "app/DisplayCheck.h"
#include "platform/posix/UniqueFd.h"

#include <string>
#include <utility>

namespace lumet {

// The program's outer frame: names the settings profile after the application,
// checks the display, runs the main dialog modally and ends the way the dialog ended.
// A QApplication must exist and the resources must be registered.
class App {
public:
    // `rawSocket`: what the program kept of a granted capability, if anything.
    explicit App(std::string applicationName, UniqueFd rawSocket = {})
        : applicationName_(std::move(applicationName)), rawSocket_(std::move(rawSocket)) {}

    // The start-up sequence and the modal run; returns the process's exit code.
    int Run();

    // What the display check needs to know of the primary screen.
    static DisplayMetrics ScreenMetrics();

private:
    std::string applicationName_;
    UniqueFd rawSocket_;
};

} // namespace lumet
