#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumet::cli {

enum class OutputFormat {
    Text,
    Json, // one JSON object a line: each probe, then the summary
};

// Parsed "lumet-cli <command> [options] <argument>".
struct CommandLine {
    std::string command{};
    std::string argument{}; // the target or the list file
    std::optional<int> count{};
    std::optional<int> timeoutMs{};
    std::optional<int> intervalSeconds{};
    std::optional<int> stayIntervalSeconds{};
    bool save = false; // write the settings used back to the profile
    OutputFormat format = OutputFormat::Text;
};

struct ParseOutcome {
    enum class Action {
        Run,         // commandLine holds what to do
        ShowHelp,    // text goes to stdout, status 0
        ShowVersion, // text goes to stdout, status 0
        Refuse,      // text says what is wrong; stderr, status 2
    };
    Action action = Action::Refuse;
    std::optional<CommandLine> commandLine;
    std::string text;
};

// `arguments` excludes the program name. The help of the program and of each
// command comes from the same option tables the parsing uses.
ParseOutcome ParseCommandLine(const std::vector<std::string>& arguments);

} // namespace lumet::cli
