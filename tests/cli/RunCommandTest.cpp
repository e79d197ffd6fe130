#include "tools/lumet-cli/RunCommand.h"

#include "tests/support/FakeClock.h"
#include "tests/support/FakeMessagePump.h"
#include "tests/support/FakeResolver.h"
#include "tests/support/FakeTimers.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/ScriptedIcmpEcho.h"

#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace lumet::cli {
namespace {

struct AnswerRow {
    const char* fault;
    std::vector<std::string> arguments;
    std::optional<int> status;
    std::string out;
    std::string err;
};

class ParsedLineAnswer : public testing::TestWithParam<AnswerRow> {};

TEST_P(ParsedLineAnswer, GoesToTheRightStreamWithTheRightStatus) {
    const AnswerRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(AnswerWithoutRunning(ParseCommandLine(row.arguments), out, err), row.status);
    EXPECT_EQ(out.str(), row.out);
    EXPECT_EQ(err.str(), row.err);
}

INSTANTIATE_TEST_SUITE_P(
    RunCommand, ParsedLineAnswer,
    testing::Values(
        AnswerRow{"the version on stderr, or as a failure", {"-V"}, 0, "lumet-cli 1.0\n", ""},
        AnswerRow{"a refusal on stdout, or with success",
                  {"probe", "--bogus", "a"},
                  2,
                  "",
                  "lumet-cli: Unknown option 'bogus'.\n"
                  "Try 'lumet-cli --help' for more information.\n"},
        AnswerRow{"an escape sequence in a wrong option reaching the terminal",
                  {"probe", "--\x1b[2J", "a"},
                  2,
                  "",
                  "lumet-cli: Unknown option '\\x1B[2J'.\n"
                  "Try 'lumet-cli --help' for more information.\n"},
        AnswerRow{"a command to run answered instead", {"probe", "a"}, std::nullopt, "", ""}));

// The console loop of a test: the fake window queue's timers and waits.
class FakeConsoleLoop final : public ConsoleLoop {
public:
    FakeConsoleLoop(test::FakeClock& clock, test::FakeTimers& timers)
        : timers_(timers), pump_(clock, timers) {}

    void OnTick(TickHandler handler) override { timers_.onTick = std::move(handler); }
    void OnInterrupt(InterruptHandler handler) override { onInterrupt = std::move(handler); }
    void SetTimer(int id, std::uint32_t periodMs) override { timers_.SetTimer(id, periodMs); }
    void KillTimer(int id) override { timers_.KillTimer(id); }
    bool IsTimerRunning(int id) const override { return timers_.IsRunning(id); }
    void PumpMessages() override { pump_.PumpMessages(); }
    void WaitForMessages(std::uint32_t maxWaitMs) override { pump_.WaitForMessages(maxWaitMs); }
    void RunWhile(const std::function<bool()>& keepGoing) override {
        while (keepGoing()) {
            pump_.WaitForMessages(1000);
        }
    }

    InterruptHandler onInterrupt;

private:
    test::FakeTimers& timers_;
    test::FakeMessagePump pump_;
};

class MemoryProfile final : public Profile {
public:
    std::optional<long long> ReadInt(const std::string&, const std::string&) const override {
        return std::nullopt;
    }
    std::optional<std::string> ReadString(const std::string&, const std::string&) const override {
        return std::nullopt;
    }
    void WriteInt(const std::string&, const std::string&, long long) override {}
    void WriteString(const std::string&, const std::string&, const std::string&) override {}
    bool Commit() override { return true; }
};

class NoPicture final : public PictureReportWriter {
public:
    bool Write(const ReportData&, const std::filesystem::path&, MessageBoxes&,
               std::error_code&) override {
        return false;
    }
};

struct CommandRow {
    const char* fault;
    std::vector<std::string> arguments;
    int status;
    int profilesOpened;
    std::size_t probesSent;
    std::uint32_t timeoutMs;
};

class CommandDispatch : public testing::TestWithParam<CommandRow> {};

TEST_P(CommandDispatch, GivesTheCommandWhatTheLineAsked) {
    const CommandRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    test::FakeClock clock;
    test::FakeTimers timers{clock};
    FakeConsoleLoop loop{clock, timers};
    test::ScriptedIcmpEcho echo{timers};
    test::FakeResolver resolver{timers};
    ProbeEngine engine{echo, resolver};
    test::RecordingMessageBoxes messages;
    NoPicture picture;
    int profilesOpened = 0;
    ConsoleServices services{loop, engine, clock, messages, picture, [&profilesOpened] {
                                 ++profilesOpened;
                                 return std::make_unique<MemoryProfile>();
                             }};
    std::ostringstream out;
    std::ostringstream err;

    const ParseOutcome parsed = ParseCommandLine(row.arguments);
    ASSERT_TRUE(parsed.commandLine) << parsed.text;
    EXPECT_EQ(RunCommand(*parsed.commandLine, services, out, err), row.status) << err.str();
    EXPECT_EQ(profilesOpened, row.profilesOpened);
    ASSERT_EQ(echo.requests.size(), row.probesSent);
    for (const auto& request : echo.requests) {
        EXPECT_EQ(request.timeoutMs, row.timeoutMs);
    }
}

INSTANTIATE_TEST_SUITE_P(
    RunCommand, CommandDispatch,
    testing::Values(
        CommandRow{"probe sending the default count, or opening the window's profile",
                   {"probe", "127.0.0.1"},
                   0,
                   0,
                   4,
                   1000},
        CommandRow{"probe's count or time-out lost on the way",
                   {"probe", "--count", "2", "--timeout", "2500", "127.0.0.1"},
                   0,
                   0,
                   2,
                   2500},
        CommandRow{"a test run without the window's profile", {"run", "10.0.0.x"}, 2, 1, 0, 0}));

} // namespace
} // namespace lumet::cli
