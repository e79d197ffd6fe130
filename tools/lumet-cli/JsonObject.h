#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace lumet::cli {

// One JSON object written compactly on one line, for JSON Lines. Members come out
// sorted by name, the order lumet-cli has always written them in, so that lines
// can be compared as text. Setting a name again replaces its value.
class JsonObject {
public:
    JsonObject& Set(std::string_view name, std::string_view text);
    JsonObject& Set(std::string_view name, long long number);

    // "{...}" without the line break.
    std::string Text() const;

private:
    std::map<std::string, std::string, std::less<>> members_; // name -> value as JSON
};

// `text` as a JSON string, quotes included: UTF-8 stays as it is, bytes that are
// not UTF-8 become U+FFFD, and the characters JSON does not allow raw are escaped.
std::string JsonString(std::string_view text);

} // namespace lumet::cli
