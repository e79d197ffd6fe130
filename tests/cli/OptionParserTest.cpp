#include "tools/lumet-cli/OptionParser.h"

#include <gtest/gtest.h>

namespace lumet::cli {
namespace {

using SingleDash = OptionParser::SingleDash;
using AfterArgument = OptionParser::AfterArgument;

OptionParser MakeParser(SingleDash singleDash, AfterArgument afterArgument) {
    OptionParser parser(singleDash, afterArgument);
    parser.Add({{"h", "help"}, "Shows this help."});
    parser.Add({{"V", "version"}, "Shows the version."});
    parser.Add({{"save"}, "Keeps the settings."});
    parser.Add({{"count"}, "Probes.", "N"});
    parser.Add({{"c"}, "A short option with a value.", "C"});
    parser.Add({{"format"}, "text or json.", "FORMAT", "text"});
    return parser;
}

struct ParsedRow {
    const char* fault;
    SingleDash singleDash;
    AfterArgument afterArgument;
    std::vector<std::string> words;
    std::vector<std::string> set;    // names of the options that must be set
    std::vector<std::string> values; // "name=value" for the values read back
    std::vector<std::string> arguments;
};

class ParsedOptions : public testing::TestWithParam<ParsedRow> {};

TEST_P(ParsedOptions, GiveTheirValuesAndLeaveTheArguments) {
    const ParsedRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    OptionParser parser = MakeParser(row.singleDash, row.afterArgument);
    ASSERT_TRUE(parser.Parse(row.words)) << parser.ErrorText();
    for (const char* name : {"help", "version", "save", "count", "c", "format"}) {
        const bool expected = std::find(row.set.begin(), row.set.end(), name) != row.set.end();
        EXPECT_EQ(parser.IsSet(name), expected) << name;
    }
    for (const std::string& value : row.values) {
        const std::size_t assign = value.find('=');
        EXPECT_EQ(parser.Value(value.substr(0, assign)), value.substr(assign + 1)) << value;
    }
    EXPECT_EQ(parser.Arguments(), row.arguments);
}

constexpr SingleDash kShort = SingleDash::ShortOptions;
constexpr SingleDash kLong = SingleDash::LongOptions;
constexpr AfterArgument kOptions = AfterArgument::Options;
constexpr AfterArgument kArguments = AfterArgument::Arguments;

INSTANTIATE_TEST_SUITE_P(
    OptionParser, ParsedOptions,
    testing::Values(ParsedRow{"a value starting with '-' taken for an option",
                              kLong,
                              kOptions,
                              {"--count", "-3"},
                              {"count"},
                              {"count=-3"},
                              {}},
                    ParsedRow{"a value that names an option taken for that option",
                              kLong,
                              kOptions,
                              {"--format", "--save"},
                              {"format"},
                              {"format=--save"},
                              {}},
                    ParsedRow{"a repeated option keeping its first value",
                              kLong,
                              kOptions,
                              {"--count", "1", "--count", "2"},
                              {"count"},
                              {"count=2"},
                              {}},
                    ParsedRow{"a value holding '=' cut at its own '='",
                              kLong,
                              kOptions,
                              {"--format=a=b"},
                              {"format"},
                              {"format=a=b"},
                              {}},
                    ParsedRow{"an empty value after '=' replaced by the default",
                              kLong,
                              kOptions,
                              {"--format="},
                              {"format"},
                              {"format="},
                              {}},
                    ParsedRow{"the default missing when the option is not given",
                              kLong,
                              kOptions,
                              {"host"},
                              {},
                              {"format=text", "count="},
                              {"host"}},
                    ParsedRow{"the words after -- parsed as options",
                              kLong,
                              kOptions,
                              {"--", "--count", "-h", "--"},
                              {},
                              {},
                              {"--count", "-h", "--"}},
                    ParsedRow{"a lone dash (a file named -) taken for an option",
                              kLong,
                              kOptions,
                              {"-"},
                              {},
                              {},
                              {"-"}},
                    ParsedRow{"a single-dash word not read as the long option",
                              kLong,
                              kOptions,
                              {"-count", "4", "-help"},
                              {"count", "help"},
                              {"count=4"},
                              {}},
                    ParsedRow{"a single-dash word's value after '=' lost",
                              kLong,
                              kOptions,
                              {"-format=json"},
                              {"format"},
                              {"format=json"},
                              {}},
                    ParsedRow{"options after an argument left as arguments",
                              kLong,
                              kOptions,
                              {"host", "--count", "3"},
                              {"count"},
                              {"count=3"},
                              {"host"}},
                    ParsedRow{"compacted short options not split into their letters",
                              kShort,
                              kOptions,
                              {"-hV"},
                              {"help", "version"},
                              {},
                              {}},
                    ParsedRow{"a short option's value joined to it lost",
                              kShort,
                              kOptions,
                              {"-Vc7"},
                              {"version", "c"},
                              {"c=7"},
                              {}},
                    ParsedRow{"a short option's value after '=' kept with its '='",
                              kShort,
                              kOptions,
                              {"-c=7"},
                              {"c"},
                              {"c=7"},
                              {}},
                    ParsedRow{"a short option's value in the next word lost",
                              kShort,
                              kOptions,
                              {"-c", "-7"},
                              {"c"},
                              {"c=-7"},
                              {}},
                    ParsedRow{"a command's own options taken by the program",
                              kShort,
                              kArguments,
                              {"probe", "--help", "-V"},
                              {},
                              {},
                              {"probe", "--help", "-V"}},
                    ParsedRow{"a lone dash ending the program's options as a command does",
                              kShort,
                              kArguments,
                              {"-", "--help"},
                              {"help"},
                              {},
                              {"-"}},
                    ParsedRow{"arguments that are not UTF-8 changed",
                              kLong,
                              kOptions,
                              {"caf\xe9", "--format", "\xff"},
                              {"format"},
                              {"format=\xff"},
                              {"caf\xe9"}}));

struct RefusedRow {
    const char* fault;
    SingleDash singleDash;
    std::vector<std::string> words;
    std::string error;
};

class RefusedOptions : public testing::TestWithParam<RefusedRow> {};

TEST_P(RefusedOptions, SayExactlyWhatIsWrong) {
    const RefusedRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    OptionParser parser = MakeParser(row.singleDash, kOptions);
    EXPECT_FALSE(parser.Parse(row.words));
    EXPECT_EQ(parser.ErrorText(), row.error);
}

INSTANTIATE_TEST_SUITE_P(
    OptionParser, RefusedOptions,
    testing::Values(
        RefusedRow{"an unknown option accepted", kLong, {"--bogus"}, "Unknown option 'bogus'."},
        RefusedRow{"the parse stopping at the first unknown option",
                   kLong,
                   {"--bogus", "host", "-x=1"},
                   "Unknown options: bogus, x."},
        RefusedRow{"the last option's value taken from nowhere",
                   kLong,
                   {"--count"},
                   "Missing value after '--count'."},
        RefusedRow{"the missing value named without the dash it was given with",
                   kLong,
                   {"-count"},
                   "Missing value after '-count'."},
        RefusedRow{"a value given to an option without one ignored",
                   kLong,
                   {"--save=yes"},
                   "Unexpected value after '--save'."},
        RefusedRow{"an unknown option hiding the missing value",
                   kLong,
                   {"--bogus", "--count"},
                   "Missing value after '--count'."},
        RefusedRow{"an unknown letter among short options accepted",
                   kShort,
                   {"-hx"},
                   "Unknown option 'x'."},
        RefusedRow{"a letter outside ASCII named by its bytes",
                   kShort,
                   {"-\xc3\xa9"},
                   "Unknown option '\xc3\xa9'."},
        RefusedRow{"a value given to a short option without one ignored",
                   kShort,
                   {"-h=1"},
                   "Unexpected value after '-h'."}));

} // namespace
} // namespace lumet::cli
