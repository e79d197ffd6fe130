#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumet::cli {

// An option known by one or more names: a one-letter name is written "-h", a longer
// one "--help".
struct Option {
    std::vector<std::string> names;
    std::string description;
    std::string valueName{};    // shown as <valueName>; empty when it takes no value
    std::string defaultValue{}; // what Value() gives when the line does not set it
};

// A positional argument as the help describes it.
struct PositionalHelp {
    std::string name;
    std::string description;
    std::string syntax; // how the usage line shows it
};

// Options as lumet-cli has always taken them: "--name", "--name=value" and
// "--name value", where the value may start with '-'; "-" alone is an argument (a
// file named -) and "--" makes every word after it an argument. A wrong option
// does not stop the parse, so the error names every unknown one. Arguments are
// bytes: a file name that is not UTF-8 comes through as it was given.
class OptionParser {
public:
    enum class SingleDash {
        ShortOptions, // "-hV" is -h and -V; "-cVALUE" gives -c its value
        LongOptions,  // "-count" is --count
    };
    enum class AfterArgument {
        Options,   // "probe host --count 3" sets the count
        Arguments, // the words after a command are the command's to parse
    };

    OptionParser(SingleDash singleDash, AfterArgument afterArgument)
        : singleDash_(singleDash), afterArgument_(afterArgument) {}

    void Add(Option option) { options_.push_back(std::move(option)); }
    void AddPositional(PositionalHelp argument) { positionals_.push_back(std::move(argument)); }

    // False when an option is unknown, lacks its value or has one it does not take;
    // ErrorText() then says what.
    bool Parse(const std::vector<std::string>& words);
    std::string ErrorText() const;

    // By any of the option's names.
    bool IsSet(std::string_view name) const;
    // The last value given, else the option's default.
    std::string Value(std::string_view name) const;
    const std::vector<std::string>& Arguments() const { return arguments_; }

    // "Usage: <usageName> [options] <syntax>...", the description, then each option
    // and argument beside its description, laid out by HelpColumns.
    std::string HelpText(std::string_view usageName, std::string_view description) const;

private:
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    std::size_t Find(std::string_view name) const;
    // `name` is the option the word `words[at]` names; a value it takes may be the
    // next word, and `at` then moves on to it.
    bool TakeOption(std::string_view name, const std::vector<std::string>& words, std::size_t& at);
    bool TakeValue(std::size_t option, const std::vector<std::string>& words, std::size_t& at);
    bool TakeShortOptions(const std::vector<std::string>& words, std::size_t& at);

    SingleDash singleDash_;
    AfterArgument afterArgument_;
    std::vector<Option> options_;
    std::vector<PositionalHelp> positionals_;

    std::vector<std::size_t> found_;               // options set, in line order
    std::vector<std::vector<std::string>> values_; // per option
    std::vector<std::string> unknown_;             // names no option has
    std::string valueError_;                       // the last missing or unexpected value
    std::vector<std::string> arguments_;
};

} // namespace lumet::cli
