#include "tools/lumet-cli/JsonProbeOutput.h"

#include <functional>
#include <gtest/gtest.h>
#include <sstream>

namespace lumet::cli {
namespace {

struct LineRow {
    const char* fault;
    std::function<void(ProbeOutput&)> write;
    std::string line;
};

class JsonProbeLine : public testing::TestWithParam<LineRow> {};

// Scripts read these lines: each stays what lumet-cli has always written, byte for byte.
TEST_P(JsonProbeLine, IsTheObjectScriptsRead) {
    SCOPED_TRACE(GetParam().fault);
    std::ostringstream out;
    std::ostringstream err;
    JsonProbeOutput output(out, err);
    GetParam().write(output);
    EXPECT_EQ(out.str(), GetParam().line + "\n");
    EXPECT_TRUE(err.str().empty()) << err.str();
}

INSTANTIATE_TEST_SUITE_P(
    JsonProbeOutput, JsonProbeLine,
    testing::Values(
        LineRow{"the host name missing", [](ProbeOutput& o) { o.Target("10.0.0.10", "gw.test"); },
                R"({"address":"10.0.0.10","name":"gw.test","type":"target"})"},
        LineRow{"an escape sequence from a list entry reaching the terminal",
                [](ProbeOutput& o) { o.Trying("Refused1.test\x1b[2J"); },
                R"({"entry":"Refused1.test\u001b[2J","type":"trying"})"},
        LineRow{
            "a reply without an empty status text",
            [](ProbeOutput& o) {
                o.Probe({1, 0, 12, 64, 0});
            },
            R"({"bytes":8,"sequence":1,"status":0,"status_text":"","time":12,"ttl":64,"type":"probe"})"},
        LineRow{
            "a summary number under the wrong name",
            [](ProbeOutput& o) {
                o.Summary({4, 3, 100, 466, 470, 250, "BAD", 17});
            },
            R"({"avg":466,"max":470,"min":100,"penalty":250,"returned":3,"score":17,"sent":4,"type":"summary","verdict":"BAD"})"}));

TEST(JsonProbeOutput, HintsGoToStderrSoStdoutHoldsOnlyObjects) {
    std::ostringstream out;
    std::ostringstream err;
    JsonProbeOutput output(out, err);
    output.Hint("stay-alive: press Ctrl+C to stop");
    EXPECT_TRUE(out.str().empty());
    EXPECT_EQ(err.str(), "stay-alive: press Ctrl+C to stop\n");
}

} // namespace
} // namespace lumet::cli
