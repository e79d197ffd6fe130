#include "platform/clock/SystemClock.h"
#include "platform/icmp/GrantedPrivileges.h"
#include "platform/icmp/LinuxIcmpEcho.h"
#include "platform/net/SystemResolver.h"
#include "platform/profile/QSettingsProfile.h"
#include "probe/ProbeEngine.h"
#include "tools/lumet-cli/CommandLine.h"
#include "tools/lumet-cli/ConsoleEventLoop.h"
#include "tools/lumet-cli/ConsoleMessageBoxes.h"
#include "tools/lumet-cli/PictureModule.h"
#include "tools/lumet-cli/RunCommand.h"

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

int main(int argc, char** argv) {
    // Before Qt exists: nothing it loads may run with a privilege granted to the file.
    lumet::PrivilegeDrop privileges = lumet::GiveUpGrantedPrivileges();
    if (!privileges.failure.empty()) {
        std::cerr << "lumet-cli: " << privileges.failure << '\n';
        return 2;
    }
    const lumet::cli::ParseOutcome parsed =
        lumet::cli::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (const auto status = lumet::cli::AnswerWithoutRunning(parsed, std::cout, std::cerr)) {
        return *status;
    }

    lumet::SystemClock clock;
    lumet::cli::ConsoleEventLoop loop(clock);
    lumet::LinuxIcmpEcho echo(loop, std::move(privileges.rawSocket));
    lumet::SystemResolver resolver(loop);
    lumet::ProbeEngine engine(echo, resolver);
    lumet::cli::ConsoleMessageBoxes messages(std::cerr);
    lumet::cli::PictureModule picture(lumet::cli::PictureModule::Locate());
    // The window's profile: Orbisk/lumet, shared with the program itself.
    const auto openProfile = [] {
        return std::make_unique<lumet::QSettingsProfile>(
            lumet::QSettingsProfile::ForApplication("lumet"));
    };
    lumet::cli::ConsoleServices services{loop, engine, clock, messages, picture, openProfile};
    // Ctrl+C ends a plain probe as it ends ping: at once, with nothing to save. A
    // test takes the interrupt over to stop and still write its reports.
    loop.OnInterrupt([](int signal) { std::_Exit(128 + signal); });
    return lumet::cli::RunCommand(*parsed.commandLine, services, std::cout, std::cerr);
}
