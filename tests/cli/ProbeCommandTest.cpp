#include "tools/lumet-cli/ProbeCommand.h"

#include "tests/support/FakeClock.h"
#include "tests/support/FakeMessagePump.h"
#include "tests/support/FakeResolver.h"
#include "tests/support/ScriptedIcmpEcho.h"
#include "tools/lumet-cli/TextProbeOutput.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <deque>
#include <gtest/gtest.h>
#include <sstream>

namespace lumet::cli {
namespace {

TEST(TextProbeOutput, ShowsTheStoredTimeAndThePacketSize) {
    std::ostringstream out;
    TextProbeOutput output(out);
    output.Probe({1, 0, 12, 64, 0});
    output.Probe({3, 11010, 999, 0, 0});
    output.Probe({4, 11003, 5, 250, 56});
    EXPECT_EQ(out.str(), "seq=1 status=0 time=12 ms ttl=64 bytes=8\n"
                         "seq=3 status=11010 time=999 ms ttl=0 bytes=8 Request timed out.\n"
                         "seq=4 status=11003 time=5 ms ttl=250 bytes=64 Destination host "
                         "unreachable.\n");
}

class ProbeCommandTest : public testing::Test {
protected:
    ProbeCommandTest() { resolver.addresses["gw.test"] = 0x0A00000A; }

    int Run(const std::string& target, int count, OutputFormat format = OutputFormat::Text) {
        ProbeOptions options;
        options.target = target;
        options.count = count;
        options.format = format;
        return RunProbeCommand(options, engine, pump, clock, out, err);
    }

    test::FakeClock clock;
    test::FakeTimers timers{clock};
    test::FakeMessagePump pump{clock, timers};
    test::ScriptedIcmpEcho echo{timers};
    test::FakeResolver resolver{timers};
    ProbeEngine engine{echo, resolver};
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(ProbeCommandTest, PrintsEachProbeAsStoredThenTheRating) {
    echo.queued = {{100, 0, 60, 0}, {kNoRoundTrip, 11010, 0, 0}, {1001, 0, 60, 0}, {300, 0, 60, 0}};
    EXPECT_EQ(Run("gw.test", 4), 0);
    EXPECT_EQ(out.str(), "probing 10.0.0.10 (gw.test)\n"
                         "seq=1 status=0 time=100 ms ttl=60 bytes=8\n"
                         "seq=2 status=11010 time=999 ms ttl=0 bytes=8 Request timed out.\n"
                         "seq=3 status=0 time=999 ms ttl=60 bytes=8\n"
                         "seq=4 status=0 time=300 ms ttl=60 bytes=8\n"
                         // 999 counts in the average but never becomes the maximum,
                         // which is at least the average.
                         "min/avg/max = 100/466/466 ms\n"
                         // 250 ms loss penalty + 466 ms average -> x = 264: BAD, score 17.
                         "rated BAD (17/100)\n");
    ASSERT_EQ(echo.requests.size(), 4u);
    EXPECT_EQ(echo.requests[0].address, 0x0A00000Au);
    EXPECT_EQ(echo.requests[0].timeoutMs, 1000u);
}

TEST_F(ProbeCommandTest, ProbesAreOneSecondApartAndNotAfterTheLast) {
    EXPECT_EQ(Run("127.0.0.1", 3), 0);
    EXPECT_EQ(clock.sleeps, (std::vector<std::uint32_t>{1000, 1000}));
}

TEST_F(ProbeCommandTest, AllProbesFailedIsUnusable) {
    echo.fallback = {kNoRoundTrip, 11010, 0, 0};
    EXPECT_EQ(Run("127.0.0.1", 2), 1);
    EXPECT_NE(out.str().find("min/avg/max = 0/0/0 ms\nrated UNUSABLE (0/100)\n"), std::string::npos)
        << out.str();
}

TEST_F(ProbeCommandTest, RefusedTargetsSendNothingAndFail) {
    EXPECT_EQ(Run("Gw.test", 1), 2);
    EXPECT_EQ(Run("nowhere.test", 1), 2);
    EXPECT_EQ(Run("10.0.0.x", 1), 2);
    EXPECT_TRUE(echo.requests.empty());
    EXPECT_TRUE(out.str().empty());
    EXPECT_NE(err.str().find("wrong address 'nowhere.test'"), std::string::npos);
}

struct UnsentProbeRow {
    const char* fault;
    std::deque<ProbeResult> before; // answers before the probe that could not be sent
};

class UnsentProbe : public ProbeCommandTest, public testing::WithParamInterface<UnsentProbeRow> {};

TEST_P(UnsentProbe, PrintsTheFixOnceAndRatesOnlyWhatWasMeasured) {
    const UnsentProbeRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    // The same answers with no failing probe behind them give the expected output.
    echo.queued = row.before;
    const std::size_t measured = row.before.size();
    const std::string alone = measured == 0
                                  ? "probing 127.0.0.1\n"
                                  : (Run("127.0.0.1", static_cast<int>(measured)), out.str());
    out.str({});
    echo.requests.clear();
    echo.queued = row.before;
    echo.fallback = {kNoRoundTrip, 11051, 0, 0};

    EXPECT_EQ(Run("127.0.0.1", 4), 77);

    EXPECT_EQ(echo.requests.size(), measured + 1);
    EXPECT_EQ(out.str(), alone);
    const std::string& said = err.str();
    const std::size_t first = said.find("ping_group_range");
    EXPECT_NE(first, std::string::npos) << said;
    EXPECT_EQ(said.find("ping_group_range", first + 1), std::string::npos) << said;
}

INSTANTIATE_TEST_SUITE_P(
    ProbeCommandTest, UnsentProbe,
    testing::Values(
        UnsentProbeRow{"rated UNUSABLE with nothing sent, or the fix printed per probe", {}},
        UnsentProbeRow{"the measured probes dropped, or the unsent ones rated as losses",
                       {{20, 0, 64, 0}, {40, 0, 64, 0}}}));

// Every stdout line of a JSON run, parsed; a line that is not a JSON object fails.
std::vector<QJsonObject> JsonLines(const std::string& text) {
    std::vector<QJsonObject> objects;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        QJsonParseError error{};
        const QJsonDocument document =
            QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << line;
        EXPECT_TRUE(document.isObject()) << line;
        objects.push_back(document.object());
    }
    return objects;
}

struct JsonRow {
    const char* fault;
    std::deque<ProbeResult> answers;
};

class JsonOutput : public ProbeCommandTest, public testing::WithParamInterface<JsonRow> {};

TEST_P(JsonOutput, HoldsTheNumbersOfTheTextOutputAsObjects) {
    const JsonRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    const int count = static_cast<int>(row.answers.size());
    echo.queued = row.answers;
    const int textStatus = Run("gw.test", count);
    const std::string text = out.str();
    out.str({});
    echo.queued = row.answers;
    EXPECT_EQ(Run("gw.test", count, OutputFormat::Json), textStatus);

    const std::vector<QJsonObject> objects = JsonLines(out.str());
    ASSERT_EQ(objects.size(), row.answers.size() + 2) << out.str();
    EXPECT_EQ(objects.front()["type"].toString(), "target");
    EXPECT_EQ(objects.front()["address"].toString(), "10.0.0.10");
    EXPECT_EQ(objects.front()["name"].toString(), "gw.test");
    // Each probe object carries what its text line says, as numbers a script can use.
    std::istringstream textLines(text);
    std::string line;
    std::getline(textLines, line); // "probing ..."
    for (int i = 1; i <= count; ++i) {
        const QJsonObject& probe = objects[static_cast<std::size_t>(i)];
        std::getline(textLines, line);
        EXPECT_EQ(probe["type"].toString(), "probe");
        for (const char* key : {"sequence", "status", "time", "ttl", "bytes"}) {
            ASSERT_TRUE(probe[key].isDouble()) << key;
        }
        std::ostringstream expected;
        expected << "seq=" << probe["sequence"].toInt() << " status=" << probe["status"].toInt()
                 << " time=" << probe["time"].toInt() << " ms ttl=" << probe["ttl"].toInt()
                 << " bytes=" << probe["bytes"].toInt();
        const std::string statusText = probe["status_text"].toString().toStdString();
        if (!statusText.empty()) {
            expected << ' ' << statusText;
        }
        EXPECT_EQ(line, expected.str());
        EXPECT_EQ(statusText.empty(), probe["status"].toInt() == 0);
    }
    const QJsonObject& summary = objects.back();
    EXPECT_EQ(summary["type"].toString(), "summary");
    EXPECT_EQ(summary["sent"].toInt(), count);
    int replies = 0;
    for (const ProbeResult& answer : row.answers) {
        replies += answer.status == 0 ? 1 : 0;
    }
    EXPECT_EQ(summary["returned"].toInt(), replies);
    std::ostringstream expectedSummary;
    expectedSummary << "min/avg/max = " << summary["min"].toInt() << '/' << summary["avg"].toInt()
                    << '/' << summary["max"].toInt() << " ms\nrated "
                    << summary["verdict"].toString().toStdString() << " ("
                    << summary["score"].toInt() << "/100)\n";
    EXPECT_TRUE(text.ends_with(expectedSummary.str())) << text;
    EXPECT_GE(summary["penalty"].toInt(), 0);
    EXPECT_EQ(summary["penalty"].toInt() == 0, replies == count);
}

INSTANTIATE_TEST_SUITE_P(
    ProbeCommandTest, JsonOutput,
    testing::Values(JsonRow{"replies only: a field missing or a string where a number belongs",
                            {{12, 0, 64, 0}, {30, 0, 64, 56}}},
                    JsonRow{"a loss without its status text, or no penalty for it",
                            {{12, 0, 64, 0}, {kNoRoundTrip, 11010, 0, 0}, {1001, 0, 60, 0}}},
                    JsonRow{"nothing returned: the summary left out",
                            {{kNoRoundTrip, 11003, 0, 0}}}));

} // namespace
} // namespace lumet::cli
