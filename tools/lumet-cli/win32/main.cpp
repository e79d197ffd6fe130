#include "platform/clock/SystemClock.h"
#include "platform/icmp/win32/WinIcmpEcho.h"
#include "platform/net/win32/WinResolver.h"
#include "platform/profile/win32/RegistryProfile.h"
#include "probe/ProbeEngine.h"
#include "tools/lumet-cli/CommandLine.h"
#include "tools/lumet-cli/ConsoleMessageBoxes.h"
#include "tools/lumet-cli/RunCommand.h"
#include "tools/lumet-cli/win32/GdiPictureWriter.h"
#include "tools/lumet-cli/win32/Utf8Arguments.h"
#include "tools/lumet-cli/win32/WinConsoleEventLoop.h"

#include <cstdlib>
#include <iostream>
#include <memory>
#include <windows.h>

int main() {
    const lumet::cli::ParseOutcome parsed =
        lumet::cli::ParseCommandLine(lumet::cli::Utf8Arguments(GetCommandLineW()));
    if (const auto status = lumet::cli::AnswerWithoutRunning(parsed, std::cout, std::cerr)) {
        return *status;
    }

    lumet::SystemClock clock;
    lumet::cli::WinConsoleEventLoop loop(clock);
    lumet::WinIcmpEcho echo(loop);
    lumet::WinResolver resolver(loop);
    lumet::ProbeEngine engine(echo, resolver);
    lumet::cli::ConsoleMessageBoxes messages(std::cerr);
    lumet::cli::GdiPictureWriter picture;
    // The window program's profile: HKEY_CURRENT_USER\Software\Orbisk\lumet.
    const auto openProfile = [] { return std::make_unique<lumet::RegistryProfile>("lumet"); };
    lumet::cli::ConsoleServices services{loop, engine, clock, messages, picture, openProfile};
    // Ctrl+C ends a plain probe as it ends ping: at once, with nothing to save. A
    // test takes the interrupt over to stop and still write its reports.
    loop.OnInterrupt([](int signal) { std::_Exit(128 + signal); });
    return lumet::cli::RunCommand(*parsed.commandLine, services, std::cout, std::cerr);
}
