#include "tools/lumet-cli/ExitStatus.h"

#include <csignal>
#include <gtest/gtest.h>

namespace lumet::cli {
namespace {

struct ExitStatusRow {
    const char* fault;
    CommandOutcome outcome;
    int status;
};

class ExitStatusTable : public testing::TestWithParam<ExitStatusRow> {};

TEST_P(ExitStatusTable, FollowsPingWhereItCan) {
    SCOPED_TRACE(GetParam().fault);
    EXPECT_EQ(ExitStatus(GetParam().outcome), GetParam().status);
}

INSTANTIATE_TEST_SUITE_P(
    ExitStatus, ExitStatusTable,
    testing::Values(
        ExitStatusRow{"a script sees failure although replies came", {.replies = 3}, 0},
        ExitStatusRow{"a dead host reported as success", {.replies = 0}, 1},
        ExitStatusRow{
            "a report that was not written passes unnoticed", {.failed = true, .replies = 3}, 2},
        ExitStatusRow{"missing ICMP permission looks like a dead host",
                      {.notPermitted = true, .replies = 0},
                      77},
        ExitStatusRow{"missing permission hidden by the replies before it",
                      {.notPermitted = true, .replies = 2},
                      77},
        ExitStatusRow{"a test cut short by SIGTERM looks complete",
                      {.signal = SIGTERM, .replies = 5},
                      128 + SIGTERM},
        ExitStatusRow{"a hang-up during the lookup reported as a wrong target",
                      {.signal = SIGHUP, .failed = true},
                      128 + SIGHUP},
        ExitStatusRow{"Ctrl+C, the way a stay-alive test ends, reported as an interruption",
                      {.signal = SIGINT, .signalIsTheWayToStop = true, .replies = 4},
                      0},
        ExitStatusRow{"a stay-alive test that never got an answer reported as success",
                      {.signal = SIGINT, .signalIsTheWayToStop = true, .replies = 0},
                      1}));

} // namespace
} // namespace lumet::cli
