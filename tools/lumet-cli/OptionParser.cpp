#include "tools/lumet-cli/OptionParser.h"

#include "tools/lumet-cli/HelpColumns.h"

#include <algorithm>

namespace lumet::cli {

namespace {

// The name in "name=value".
std::string_view NameOf(std::string_view word) {
    return word.substr(0, word.find('='));
}

// The bytes of the character at `at`: a letter of "-hV" is a character, and a
// character outside ASCII takes two to four bytes in UTF-8. A stray byte is one.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    for (std::size_t i = 1; i < length; ++i) {
        if (at + i >= text.size() || (static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) {
            return 1;
        }
    }
    return length;
}

} // namespace

std::size_t OptionParser::Find(std::string_view name) const {
    for (std::size_t i = 0; i < options_.size(); ++i) {
        const std::vector<std::string>& names = options_[i].names;
        if (std::find(names.begin(), names.end(), name) != names.end()) {
            return i;
        }
    }
    return kNone;
}

bool OptionParser::Parse(const std::vector<std::string>& words) {
    found_.clear();
    values_.assign(options_.size(), {});
    unknown_.clear();
    valueError_.clear();
    arguments_.clear();

    bool valid = true;
    bool onlyArguments = false;
    for (std::size_t at = 0; at < words.size(); ++at) {
        const std::string& word = words[at];
        if (onlyArguments || word == "-") {
            arguments_.push_back(word);
        } else if (word == "--") {
            onlyArguments = true;
        } else if (word.starts_with("--")) {
            valid = TakeOption(NameOf(std::string_view(word).substr(2)), words, at) && valid;
        } else if (word.starts_with('-') && singleDash_ == SingleDash::LongOptions) {
            valid = TakeOption(NameOf(std::string_view(word).substr(1)), words, at) && valid;
        } else if (word.starts_with('-')) {
            valid = TakeShortOptions(words, at) && valid;
        } else {
            arguments_.push_back(word);
            onlyArguments = afterArgument_ == AfterArgument::Arguments;
        }
    }
    return valid;
}

bool OptionParser::TakeOption(std::string_view name, const std::vector<std::string>& words,
                              std::size_t& at) {
    const std::size_t option = Find(name);
    if (option == kNone) {
        unknown_.emplace_back(name);
        return false;
    }
    found_.push_back(option);
    return TakeValue(option, words, at);
}

bool OptionParser::TakeValue(std::size_t option, const std::vector<std::string>& words,
                             std::size_t& at) {
    const std::string& word = words[at];
    const std::size_t assign = word.find('=');
    if (options_[option].valueName.empty()) {
        if (assign != std::string::npos) {
            valueError_ = "Unexpected value after '" + word.substr(0, assign) + "'.";
            return false;
        }
        return true;
    }
    if (assign != std::string::npos) {
        values_[option].push_back(word.substr(assign + 1));
        return true;
    }
    if (++at == words.size()) {
        valueError_ = "Missing value after '" + word + "'.";
        return false;
    }
    values_[option].push_back(words[at]);
    return true;
}

bool OptionParser::TakeShortOptions(const std::vector<std::string>& words, std::size_t& at) {
    const std::string& word = words[at];
    bool valid = true;
    std::size_t last = kNone;
    for (std::size_t start = 1; start < word.size();) {
        const std::size_t end = start + CharacterLength(word, start);
        const std::string_view name = std::string_view(word).substr(start, end - start);
        last = Find(name);
        if (last == kNone) {
            unknown_.emplace_back(name);
            valid = false;
            start = end;
            continue;
        }
        found_.push_back(last);
        if (!options_[last].valueName.empty()) {
            if (end == word.size()) {
                break; // the value is the next word
            }
            // "-cVALUE" or "-c=VALUE"
            values_[last].push_back(word.substr(word[end] == '=' ? end + 1 : end));
            return valid;
        }
        if (end < word.size() && word[end] == '=') {
            break;
        }
        start = end;
    }
    return (last == kNone || TakeValue(last, words, at)) && valid;
}

std::string OptionParser::ErrorText() const {
    if (!valueError_.empty()) {
        return valueError_;
    }
    if (unknown_.size() == 1) {
        return "Unknown option '" + unknown_.front() + "'.";
    }
    if (unknown_.empty()) {
        return {};
    }
    std::string text = "Unknown options: " + unknown_.front();
    for (std::size_t i = 1; i < unknown_.size(); ++i) {
        text += ", " + unknown_[i];
    }
    return text + ".";
}

bool OptionParser::IsSet(std::string_view name) const {
    const std::size_t option = Find(name);
    return option != kNone && std::find(found_.begin(), found_.end(), option) != found_.end();
}

std::string OptionParser::Value(std::string_view name) const {
    const std::size_t option = Find(name);
    if (option == kNone) {
        return {};
    }
    if (option < values_.size() && !values_[option].empty()) {
        return values_[option].back();
    }
    return options_[option].defaultValue;
}

std::string OptionParser::HelpText(std::string_view usageName, std::string_view description) const {
    std::string usage(usageName);
    if (!options_.empty()) {
        usage += " [options]";
    }
    for (const PositionalHelp& argument : positionals_) {
        usage += " " + argument.syntax;
    }
    std::string text = "Usage: " + usage + "\n";
    if (!description.empty()) {
        text += std::string(description) + "\n";
    }
    text += "\n";

    std::vector<std::string> names;
    std::size_t longest = 0;
    for (const Option& option : options_) {
        std::string shown;
        for (const std::string& name : option.names) {
            shown +=
                (shown.empty() ? "" : ", ") + std::string(name.size() == 1 ? "-" : "--") + name;
        }
        if (!option.valueName.empty()) {
            shown += " <" + option.valueName + ">";
        }
        longest = std::max(longest, shown.size());
        names.push_back(std::move(shown));
    }
    const HelpColumns columns(std::min<std::size_t>(50, longest + 1));
    if (!options_.empty()) {
        text += "Options:\n";
    }
    for (std::size_t i = 0; i < options_.size(); ++i) {
        text += columns.Entry(names[i], options_[i].description);
    }
    if (!positionals_.empty()) {
        text += options_.empty() ? "Arguments:\n" : "\nArguments:\n";
    }
    for (const PositionalHelp& argument : positionals_) {
        text += columns.Entry(argument.name, argument.description);
    }
    return text;
}

} // namespace lumet::cli
