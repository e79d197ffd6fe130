#pragma once

#include "platform/clock/Clock.h"
#include "platform/dialogs/MessageBoxes.h"
#include "platform/events/MessagePump.h"
#include "platform/events/TimerSource.h"
#include "platform/gdi/FontEngine.h"
#include "platform/icmp/IcmpEcho.h"
#include "platform/net/Resolver.h"
#include "platform/profile/Profile.h"
#include "platform/window/Beep.h"
#include "platform/window/HelpViewer.h"
#include "platform/window/WindowSystem.h"
#include "ui/ExportServices.h"

#include <filesystem>

namespace lumet {

// What the main dialog takes from outside: the system services it works through
// (tests hand in fakes) and the two files it opens from the current directory.
struct MainDialogServices {
    IcmpEcho& echo;
    Resolver& resolver;
    Clock& clock;
    MessagePump& pump;
    TimerSource& timers;
    WindowSystem& windows;
    const FontEngine& fonts;
    Profile& profile;
    MessageBoxes& messages;
    Beep& beep;
    HelpViewer& help;
    // Printing, mail, clipboard and text windows of the report.
    ExportServices exports;
    std::filesystem::path serverListFile{"random.lst"};
    std::filesystem::path helpFile{"lumet.hlp"};
};

} // namespace lumet
