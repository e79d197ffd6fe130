#include "tools/lumet-cli/JsonObject.h"

#include <gtest/gtest.h>

namespace lumet::cli {
namespace {

struct StringRow {
    const char* fault;
    std::string text;
    std::string json;
};

class JsonStringTable : public testing::TestWithParam<StringRow> {};

TEST_P(JsonStringTable, IsValidJsonHoldingTheText) {
    SCOPED_TRACE(GetParam().fault);
    EXPECT_EQ(JsonString(GetParam().text), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(
    JsonString, JsonStringTable,
    testing::Values(
        StringRow{"plain text changed", "gw.test", R"("gw.test")"},
        StringRow{"a quote ending the string early", R"(a"b)", R"("a\"b")"},
        StringRow{"a backslash read as the start of an escape", R"(C:\lists\eu.lst)",
                  R"("C:\\lists\\eu.lst")"},
        StringRow{"line breaks and tabs splitting the line", "a\nb\r\tc", R"("a\nb\r\tc")"},
        StringRow{"backspace and form feed left raw", "\b\f", R"("\b\f")"},
        StringRow{"a control character left raw", "\x01\x1b[2J\x1f", R"("\u0001\u001b[2J\u001f")"},
        StringRow{"a NUL byte ending the string", std::string("a\0b", 3), R"("a\u0000b")"},
        StringRow{"DEL escaped although JSON allows it", "\x7f", "\"\x7f\""},
        StringRow{"non-ASCII UTF-8 escaped or mangled", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9d\x84\x9e",
                  "\"caf\xc3\xa9 \xe2\x82\xac \xf0\x9d\x84\x9e\""},
        StringRow{"a byte that is not UTF-8 making the line invalid", "caf\xe9",
                  "\"caf\xef\xbf\xbd\""},
        StringRow{"a cut sequence swallowing the character after it", "\xe2\x82x",
                  "\"\xef\xbf\xbd\xef\xbf\xbdx\""},
        StringRow{"an overlong '/' passed on", "\xc0\xaf", "\"\xef\xbf\xbd\xef\xbf\xbd\""},
        StringRow{"an encoded surrogate passed on", "\xed\xa0\x80",
                  "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\""},
        StringRow{"a code point above U+10FFFF passed on", "\xf4\x90\x80\x80",
                  "\"\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\xef\xbf\xbd\""},
        StringRow{"the highest code point refused", "\xf4\x8f\xbf\xbf", "\"\xf4\x8f\xbf\xbf\""}));

struct ObjectRow {
    const char* fault;
    JsonObject object;
    std::string text;
};

class JsonObjectTable : public testing::TestWithParam<ObjectRow> {};

TEST_P(JsonObjectTable, IsOneCompactLine) {
    SCOPED_TRACE(GetParam().fault);
    EXPECT_EQ(GetParam().object.Text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    JsonObject, JsonObjectTable,
    testing::Values(
        ObjectRow{"an empty object not valid JSON", JsonObject(), "{}"},
        ObjectRow{"members in the order set rather than by name, as scripts compare them",
                  JsonObject().Set("type", "summary").Set("sent", 2).Set("avg", 0),
                  R"({"avg":0,"sent":2,"type":"summary"})"},
        ObjectRow{"a name that is a prefix of another sorted after it",
                  JsonObject().Set("status_text", "").Set("status", 0),
                  R"({"status":0,"status_text":""})"},
        ObjectRow{"a negative number or the largest one written wrongly",
                  JsonObject().Set("a", -42).Set("b", 9223372036854775807LL),
                  R"({"a":-42,"b":9223372036854775807})"},
        ObjectRow{"a name set twice written twice",
                  JsonObject().Set("path", "old").Set("path", "new"), R"({"path":"new"})"},
        ObjectRow{"a name escaped differently from a value", JsonObject().Set("a\"b", "c\"d"),
                  R"({"a\"b":"c\"d"})"}));

} // namespace
} // namespace lumet::cli
