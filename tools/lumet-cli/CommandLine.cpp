#include "tools/lumet-cli/CommandLine.h"

#include "app/Version.h"
#include "tools/lumet-cli/OptionParser.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <string_view>

namespace lumet::cli {

namespace {

constexpr std::string_view kProgram = "lumet-cli";

struct Command {
    std::string_view name;
    std::string_view summary;  // for the program's help
    std::string_view argument; // shown as the positional argument's name
    std::string_view argumentHelp;
    std::string_view description;
    bool isTest; // a test mode: it writes the reports and may --save its settings
};

constexpr std::string_view kTargetHelp =
    "a host name starting with a lowercase letter, or a dotted IPv4 address";
constexpr std::string_view kReportsWritten =
    " Writes _report.txt and _report.bmp in the current directory.";

constexpr std::array kCommands = {
    Command{"probe", "sends N probes one second apart (default 4) and rates them", "TARGET",
            kTargetHelp,
            "Sends N probes one second apart and prints a line each, then the statistics and "
            "the rating.",
            false},
    Command{"run", "a test of PingCount probes, one every PingInterval seconds", "TARGET",
            kTargetHelp,
            "A test of PingCount probes, one every PingInterval seconds, as RUN in "
            "the window.",
            true},
    Command{"stay", "probes every StayAliveInterval seconds until Ctrl+C", "TARGET", kTargetHelp,
            "Probes every StayAliveInterval seconds until Ctrl+C, as STA in the window.", true},
    Command{"random", "tests the first host of LISTFILE that resolves", "LISTFILE",
            "a server list: one host name or address a line",
            "Tests the first host of LISTFILE that resolves, as RND in the window.", true},
};

struct IntOption {
    std::string_view name;
    std::string_view valueName;
    std::string_view help;
    int minimum;
    int maximum;
    std::optional<int> CommandLine::*field;
    std::string_view commands; // the commands that take the option, space-separated
};

// The same ranges as the settings panel enforces.
constexpr std::array kIntOptions = {
    IntOption{"count", "N", "Probes of a test, 1 to 999.", 1, 999, &CommandLine::count,
              "probe run random"},
    IntOption{"timeout", "MS", "Time-out of each probe, 1000 to 10000 ms.", 1000, 10000,
              &CommandLine::timeoutMs, "probe run stay random"},
    IntOption{"interval", "S", "Seconds between probes, 1 to 999.", 1, 999,
              &CommandLine::intervalSeconds, "run random"},
    IntOption{"stay-interval", "S", "Seconds between stay-alive probes, 10 to 999.", 10, 999,
              &CommandLine::stayIntervalSeconds, "stay"},
};

bool Takes(std::string_view commands, std::string_view command) {
    const std::string padded = " " + std::string(commands) + " ";
    return padded.find(" " + std::string(command) + " ") != std::string::npos;
}

const Option kHelp{{"h", "help"}, "Shows this help."};
const Option kVersion{{"V", "version"}, "Shows the version."};
const Option kSave{{"save"}, "Keeps the settings used in the profile."};
const Option kFormat{
    {"format"}, "text (the default), or json: one object a line.", "FORMAT", "text"};

ParseOutcome Refuse(std::string text) {
    return {ParseOutcome::Action::Refuse, std::nullopt, std::move(text)};
}

ParseOutcome Show(ParseOutcome::Action action, std::string text) {
    return {action, std::nullopt, std::move(text)};
}

std::string ProgramDescription() {
    std::string text = "Measures a connection's quality with ICMP echo requests.\n\nCommands:\n";
    for (const Command& command : kCommands) {
        text += "  " + std::string(command.name) + std::string(8 - command.name.size(), ' ') +
                std::string(command.summary) + "\n";
    }
    text += "\n'" + std::string(kProgram) +
            " COMMAND --help' describes a command.\n\n"
            "Exit status: 0 when replies came, 1 when none did, 2 for an error, 77 when ICMP\n"
            "is not permitted, 128 + N when signal N cut the command short.";
    return text;
}

std::optional<int> ParseInt(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

std::string Lowercase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

ParseOutcome ParseCommand(const Command& command, const std::vector<std::string>& words) {
    OptionParser parser(OptionParser::SingleDash::LongOptions,
                        OptionParser::AfterArgument::Options);
    std::string description(command.description);
    if (command.isTest) {
        description += kReportsWritten;
    }
    parser.Add(kHelp);
    for (const IntOption& option : kIntOptions) {
        if (Takes(option.commands, command.name)) {
            parser.Add({{std::string(option.name)},
                        std::string(option.help),
                        std::string(option.valueName)});
        }
    }
    if (command.isTest) {
        parser.Add(kSave);
    }
    parser.Add(kFormat);
    parser.AddPositional({Lowercase(command.argument), std::string(command.argumentHelp),
                          std::string(command.argument)});

    if (!parser.Parse(words)) {
        return Refuse(parser.ErrorText());
    }
    if (parser.IsSet("help")) {
        return Show(
            ParseOutcome::Action::ShowHelp,
            parser.HelpText(std::string(kProgram) + " " + std::string(command.name), description));
    }

    CommandLine line;
    line.command = command.name;
    for (const IntOption& option : kIntOptions) {
        if (!Takes(option.commands, command.name) || !parser.IsSet(option.name)) {
            continue;
        }
        const std::string text = parser.Value(option.name);
        const std::optional<int> value = ParseInt(text);
        if (!value || *value < option.minimum || *value > option.maximum) {
            return Refuse("--" + std::string(option.name) + " takes a whole number from " +
                          std::to_string(option.minimum) + " to " + std::to_string(option.maximum) +
                          ", not '" + text + "'");
        }
        line.*(option.field) = *value;
    }
    line.save = command.isTest && parser.IsSet("save");
    const std::string format = parser.Value("format");
    if (format == "json") {
        line.format = OutputFormat::Json;
    } else if (format != "text") {
        return Refuse("--format takes text or json, not '" + format + "'");
    }

    const std::vector<std::string>& positional = parser.Arguments();
    if (positional.size() != 1) {
        const std::string what = command.name == "random" ? "list file" : "target";
        return Refuse((positional.empty() ? "no " : "more than one ") + what + " given");
    }
    line.argument = positional.front();
    return {ParseOutcome::Action::Run, line, {}};
}

} // namespace

ParseOutcome ParseCommandLine(const std::vector<std::string>& arguments) {
    // Only the program's own options come before the command; everything after it
    // belongs to the command.
    OptionParser parser(OptionParser::SingleDash::ShortOptions,
                        OptionParser::AfterArgument::Arguments);
    parser.Add(kHelp);
    parser.Add(kVersion);
    parser.AddPositional({"command", "probe, run, stay or random", "COMMAND [options]"});
    if (!parser.Parse(arguments)) {
        return Refuse(parser.ErrorText());
    }
    if (parser.IsSet("version")) {
        return Show(ParseOutcome::Action::ShowVersion,
                    std::string(kProgram) + " " + std::string(VersionString) + "\n");
    }
    const std::vector<std::string>& rest = parser.Arguments();
    if (parser.IsSet("help") || (!rest.empty() && rest.front() == "help")) {
        return Show(ParseOutcome::Action::ShowHelp,
                    parser.HelpText(kProgram, ProgramDescription()));
    }
    if (rest.empty()) {
        return Refuse("no command given");
    }
    const std::string& name = rest.front();
    const auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                      [&name](const Command& c) { return c.name == name; });
    if (command == kCommands.end()) {
        return Refuse("unknown command '" + name + "'");
    }
    return ParseCommand(*command, {rest.begin() + 1, rest.end()});
}

} // namespace lumet::cli
