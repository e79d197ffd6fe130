#include "tools/lumet-cli/CommandLine.h"

#include <charconv>
#include <set>

namespace lumet::cli {

namespace {

struct IntOption {
    const char* name;
    int minimum;
    int maximum;
    std::optional<int> CommandLine::*field;
    std::set<std::string> commands; // the commands that take the option
};

// The same ranges as the settings panel enforces.
const IntOption kIntOptions[] = {
    {"--count", 1, 999, &CommandLine::count, {"probe", "run", "random"}},
    {"--timeout", 1000, 10000, &CommandLine::timeoutMs, {"probe", "run", "stay", "random"}},
    {"--interval", 1, 999, &CommandLine::intervalSeconds, {"run", "random"}},
    {"--stay-interval", 10, 999, &CommandLine::stayIntervalSeconds, {"stay"}},
};

const std::set<std::string> kCommands = {"probe", "run", "stay", "random"};

std::optional<int> ParseInt(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

ParseOutcome Fail(std::string error) {
    return {std::nullopt, std::move(error)};
}

} // namespace

ParseOutcome ParseCommandLine(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        return Fail("no command given");
    }
    CommandLine line;
    line.command = arguments.front();
    if (kCommands.count(line.command) == 0) {
        return Fail("unknown command '" + line.command + "'");
    }
    std::vector<std::string> positional;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& word = arguments[i];
        if (word == "--save" && line.command != "probe") {
            line.save = true;
            continue;
        }
        const IntOption* option = nullptr;
        for (const IntOption& candidate : kIntOptions) {
            if (word == candidate.name && candidate.commands.count(line.command) != 0) {
                option = &candidate;
            }
        }
        if (option == nullptr) {
            if (word.size() > 1 && word.front() == '-') {
                return Fail("unknown option '" + word + "'");
            }
            positional.push_back(word);
            continue;
        }
        if (i + 1 >= arguments.size()) {
            return Fail(std::string(option->name) + " needs a value");
        }
        const std::optional<int> value = ParseInt(arguments[++i]);
        if (!value || *value < option->minimum || *value > option->maximum) {
            return Fail(std::string(option->name) + " takes a whole number from " +
                        std::to_string(option->minimum) + " to " + std::to_string(option->maximum) +
                        ", not '" + arguments[i] + "'");
        }
        line.*(option->field) = *value;
    }
    const char* what = line.command == "random" ? "list file" : "target";
    if (positional.size() != 1) {
        return Fail(std::string(positional.empty() ? "no " : "more than one ") + what + " given");
    }
    line.argument = positional.front();
    return {line, {}};
}

std::string UsageText() {
    return "usage: lumet-cli probe [--count N] [--timeout MS] TARGET\n"
           "       lumet-cli run [--count N] [--interval S] [--timeout MS] [--save] TARGET\n"
           "       lumet-cli stay [--stay-interval S] [--timeout MS] [--save] TARGET\n"
           "       lumet-cli random [--count N] [--interval S] [--timeout MS] [--save] LISTFILE\n"
           "  TARGET  a host name starting with a lowercase letter, or a dotted IPv4 address\n"
           "  probe            sends N probes one second apart (default 4) and rates them\n"
           "  run              a test of PingCount probes, one every PingInterval seconds\n"
           "  stay             probes every StayAliveInterval seconds until Ctrl+C\n"
           "  random           tests the first host of LISTFILE that resolves\n"
           "  --count N          probes of a test, 1 to 999\n"
           "  --interval S       seconds between probes, 1 to 999\n"
           "  --stay-interval S  seconds between stay-alive probes, 10 to 999\n"
           "  --timeout MS       time-out of each probe, 1000 to 10000 ms\n"
           "  --save             keep the settings used in the profile\n"
           "The test commands take their settings from the profile and write _report.txt\n"
           "in the current directory at the end.\n";
}

} // namespace lumet::cli
