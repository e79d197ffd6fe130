#include "tools/lumet-cli/ConsoleTestView.h"

#include "pingtest/Rating.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeMessagePump.h"
#include "tests/support/FakeResolver.h"
#include "tests/support/FakeTimers.h"
#include "tests/support/ScriptedIcmpEcho.h"
#include "tools/lumet-cli/TextProbeOutput.h"

#include <gtest/gtest.h>
#include <optional>
#include <sstream>

namespace lumet::cli {
namespace {

// The console view under the real controller: a run prints a header, one line
// per probe and keeps the rating position the way the scale markers do.
class ConsoleTestViewTest : public testing::Test {
protected:
    ConsoleTestViewTest() {
        history.ResetHistory();
        settings.PingCount = 3;
        target.addressText = "127.0.0.1";
        view.Attach(controller);
        timers.onTick = [this](int id) { controller.OnTimer(id); };
    }

    void RunToTheEnd() {
        while (timers.IsRunning(TestController::kProbeTimerId)) {
            pump.WaitForMessages(1000);
        }
    }

    test::FakeClock clock;
    test::FakeTimers timers{clock};
    test::FakeMessagePump pump{clock, timers};
    test::ScriptedIcmpEcho echo{timers};
    test::FakeResolver resolver{timers};
    ProbeEngine engine{echo, resolver};
    SampleHistory history;
    TargetStrings target;
    PingSettings settings;
    std::ostringstream out;
    std::ostringstream err;
    TextProbeOutput output{out};
    ConsoleTestView view{engine, history, target, output, err, "eu.lst"};
    TargetResolver targetResolver{engine, target, view};
    TestController controller{engine, targetResolver, target, history, settings,
                              view,   timers,         pump,   clock};
};

TEST_F(ConsoleTestViewTest, PrintsEachProbeOnceAsItIsStored) {
    echo.queued = {{40, 0, 61, 0}, {kNoRoundTrip, 11010, 0, 0}, {2000, 0, 61, 0}};
    controller.OnRun();
    RunToTheEnd();
    EXPECT_EQ(out.str(), "probing 127.0.0.1\n"
                         "seq=1 status=0 time=40 ms ttl=61 bytes=8\n"
                         "seq=2 status=11010 time=999 ms ttl=0 bytes=8 Request timed out.\n"
                         "seq=3 status=0 time=999 ms ttl=61 bytes=8\n");
    // Average (40 + 999) / 2 = 519 plus a penalty of 333 for one failure in three.
    EXPECT_EQ(view.averageMarkerX(), Rating::AverageMarkerX(333, 519));
}

TEST_F(ConsoleTestViewTest, WrongAddressNamesTheTarget) {
    view.SetAddressFieldText("Host");
    controller.OnAddressCommit();
    EXPECT_NE(err.str().find("wrong address 'Host'"), std::string::npos);
    EXPECT_FALSE(timers.IsRunning(TestController::kProbeTimerId));
}

struct TellingRow {
    const char* fault;
    std::optional<TestProblem> problem; // none: the entry "dead\x1b[2J" was dropped
    std::vector<const char*> passages;  // each found on stderr, in this order
};

class ConsoleTelling : public ConsoleTestViewTest,
                       public testing::WithParamInterface<TellingRow> {};

TEST_P(ConsoleTelling, NamesTheListTheUserGaveOnStderr) {
    const TellingRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    ConsoleTestView named{engine, history, target, output, err, "/srv/lists/eu.lst"};
    if (row.problem) {
        named.Warn(*row.problem);
    } else {
        named.NoticeDroppedServer("dead\x1b[2J");
    }
    EXPECT_TRUE(out.str().empty()) << out.str();
    std::size_t at = 0;
    for (const char* passage : row.passages) {
        at = err.str().find(passage, at);
        EXPECT_NE(at, std::string::npos) << passage << " in\n" << err.str();
    }
    EXPECT_EQ(err.str().back(), '\n');
}

INSTANTIATE_TEST_SUITE_P(
    ConsoleTestView, ConsoleTelling,
    testing::Values(TellingRow{"the window's RANDOM.LST named for a list the user gave",
                               TestProblem::ServerListUsedUp,
                               {"lumet-cli: ", "/srv/lists/eu.lst"}},
                    TellingRow{"an unreadable list not named",
                               TestProblem::ServerListUnreadable,
                               {"lumet-cli: ", "/srv/lists/eu.lst"}},
                    TellingRow{
                        "the ICMP commands run together, so they cannot be pasted",
                        TestProblem::IcmpNotPermitted,
                        {"\n    sudo sysctl -w net.ipv4.ping_group_range=", "\n    sudo setcap "}},
                    TellingRow{"a list entry's escape sequence reaching the terminal",
                               std::nullopt,
                               {"lumet-cli: dead\\x1B[2J", "/srv/lists/eu.lst"}}));

struct LocalAddressRow {
    const char* fault;
    std::string hostName;
    const char* passage; // found on stderr
};

class ConsoleLocalAddress : public ConsoleTestViewTest,
                            public testing::WithParamInterface<LocalAddressRow> {};

TEST_P(ConsoleLocalAddress, SaysWhichStepFailed) {
    const LocalAddressRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    view.ShowLocalAddressUnknown(row.hostName);
    EXPECT_NE(err.str().find(row.passage), std::string::npos) << err.str();
    EXPECT_EQ(err.str().find('\x1b'), std::string::npos) << "raw escape on the terminal";
}

INSTANTIATE_TEST_SUITE_P(
    ConsoleTestView, ConsoleLocalAddress,
    testing::Values(LocalAddressRow{"a missing host name told as a failed lookup", "",
                                    "name cannot be read"},
                    LocalAddressRow{"a host name's escape sequence reaching the terminal",
                                    "evil\x1b[2J", "this host, evil\\x1B[2J"}));

} // namespace
} // namespace lumet::cli
