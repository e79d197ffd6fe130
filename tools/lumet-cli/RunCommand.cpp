#include "tools/lumet-cli/RunCommand.h"

#include "tools/lumet-cli/ProbeCommand.h"
#include "tools/lumet-cli/TerminalText.h"
#include "tools/lumet-cli/TestCommand.h"

namespace lumet::cli {

std::optional<int> AnswerWithoutRunning(const ParseOutcome& parsed, std::ostream& out,
                                        std::ostream& err) {
    switch (parsed.action) {
    case ParseOutcome::Action::ShowHelp:
    case ParseOutcome::Action::ShowVersion:
        out << parsed.text;
        return 0;
    case ParseOutcome::Action::Refuse:
        err << "lumet-cli: " << Printable(parsed.text) << '\n'
            << "Try 'lumet-cli --help' for more information.\n";
        return 2;
    case ParseOutcome::Action::Run:
        break;
    }
    return std::nullopt;
}

int RunCommand(const CommandLine& line, ConsoleServices& services, std::ostream& out,
               std::ostream& err) {
    if (line.command == "probe") {
        ProbeOptions options;
        options.target = line.argument;
        options.count = line.count.value_or(options.count);
        options.timeoutMs = static_cast<std::uint32_t>(line.timeoutMs.value_or(1000));
        options.format = line.format;
        return RunProbeCommand(options, services.engine, services.loop, services.clock, out, err);
    }
    const std::unique_ptr<Profile> profile = services.openProfile();
    return RunTestCommand(line, services.engine, services.loop, services.clock, *profile,
                          services.messages, services.picture, "_report.txt", out, err);
}

} // namespace lumet::cli
