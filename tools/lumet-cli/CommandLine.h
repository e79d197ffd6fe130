#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lumet::cli {

// Parsed "lumet-cli <command> [options] <argument>".
struct CommandLine {
    std::string command;
    std::string argument; // the target or the list file
    std::optional<int> count;
    std::optional<int> timeoutMs;
    std::optional<int> intervalSeconds;
    std::optional<int> stayIntervalSeconds;
    bool save = false; // write the settings used back to the profile
};

struct ParseOutcome {
    std::optional<CommandLine> commandLine;
    std::string error; // why parsing failed, for the user
};

ParseOutcome ParseCommandLine(const std::vector<std::string>& arguments);

std::string UsageText();

} // namespace lumet::cli
