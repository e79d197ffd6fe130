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
#include "tools/lumet-cli/ProbeCommand.h"
#include "tools/lumet-cli/TerminalText.h"
#include "tools/lumet-cli/TestCommand.h"

#include <cstdlib>
#include <iostream>
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
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const lumet::cli::ParseOutcome parsed = lumet::cli::ParseCommandLine(arguments);
    switch (parsed.action) {
    case lumet::cli::ParseOutcome::Action::ShowHelp:
    case lumet::cli::ParseOutcome::Action::ShowVersion:
        std::cout << parsed.text;
        return 0;
    case lumet::cli::ParseOutcome::Action::Refuse:
        std::cerr << "lumet-cli: " << lumet::cli::Printable(parsed.text) << '\n'
                  << "Try 'lumet-cli --help' for more information.\n";
        return 2;
    case lumet::cli::ParseOutcome::Action::Run:
        break;
    }
    const lumet::cli::CommandLine& line = *parsed.commandLine;

    lumet::SystemClock clock;
    lumet::cli::ConsoleEventLoop loop(clock);
    lumet::LinuxIcmpEcho echo(loop, std::move(privileges.rawSocket));
    lumet::SystemResolver resolver(loop);
    lumet::ProbeEngine engine(echo, resolver);
    lumet::cli::ConsoleMessageBoxes messages(std::cerr);

    if (line.command == "probe") {
        // Ctrl+C ends a plain probe as it ends ping: at once, with nothing to save.
        loop.OnInterrupt([](int signal) { std::_Exit(128 + signal); });
        lumet::cli::ProbeOptions options;
        options.target = line.argument;
        options.count = line.count.value_or(options.count);
        options.timeoutMs = static_cast<std::uint32_t>(line.timeoutMs.value_or(1000));
        options.format = line.format;
        return lumet::cli::RunProbeCommand(options, engine, loop, clock, std::cout, std::cerr);
    }
    // The window's profile: Orbisk/lumet, shared with the program itself.
    lumet::QSettingsProfile profile = lumet::QSettingsProfile::ForApplication("lumet");
    lumet::cli::PictureModule picture(lumet::cli::PictureModule::Locate());
    return lumet::cli::RunTestCommand(line, engine, loop, clock, profile, messages, picture,
                                      "_report.txt", std::cout, std::cerr);
}
