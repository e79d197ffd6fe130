#include "report/TextReport.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace lumet {
namespace {

// Expected files are written with "\n" for readability; the report stores CR LF.
std::string CrLf(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

::testing::AssertionResult OnlyCrLfLineBreaks(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const bool loneLf = bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
        const bool loneCr = bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n');
        if (loneLf || loneCr) {
            return ::testing::AssertionFailure() << "lone line break at byte " << i;
        }
    }
    return ::testing::AssertionSuccess();
}

ReportData DottedTargetWithoutFailures() {
    ReportData data;
    data.addressText = "127.0.0.1";
    data.localAddressText = "10.1.2.3";
    data.testStartUtc = "Wed Jan 02 02:03:55 1980\n";
    data.probeCount = 32;
    data.errorCount = 0;
    data.returnedPercentage = 100;
    data.averageRtt = 35;
    data.minimumRtt = 20;
    data.maximumRtt = 51;
    data.verdict = "PERFECT";
    data.score = 88;
    data.pingInterval = 1;
    data.timeOut = 1000;
    data.replyTtl = 64;
    data.replyDataSize = 0;
    for (std::size_t slot = 72; slot < 104; ++slot) {
        data.history[slot] = static_cast<std::uint32_t>(slot - 52); // 20 ms ... 51 ms
    }
    return data;
}

TEST(FormatTextReport, DottedTargetWithoutFailures) {
    const std::string expected = "LUMET REPORT\n"
                                 "\n"
                                 "test performed on Wed Jan 02 02:03:55 1980 UTC\n"
                                 "\n"
                                 "your connection to: 127.0.0.1\n"
                                 "\n"
                                 "is rated:\tPERFECT (88/100)\n"
                                 "\n"
                                 "PING SENT\t32\n"
                                 "RETURNED\t32 (100%)\n"
                                 "\n"
                                 "your IP address: 10.1.2.3\n"
                                 "\n"
                                 "LATENCY\n"
                                 "Average RTT\t35 ms\n"
                                 "Minimum RTT\t20 ms\n"
                                 "Maximum RTT\t51 ms\n"
                                 "\n"
                                 "No Errors\n"
                                 "Jitter\t\tn/a\n"
                                 "Lost Packets\tn/a\n"
                                 "\n"
                                 "Frequency:\t1 sec.\n"
                                 "Timeout:\t1000 ms\n"
                                 "TTL:\t\t64\n"
                                 "Packet Size:\t8\n"
                                 "\n"
                                 "HISTORY\n"
                                 "Ping\tRTT\n"
                                 "1 \t20\n"
                                 "2 \t21\n"
                                 "3 \t22\n"
                                 "4 \t23\n"
                                 "5 \t24\n"
                                 "6 \t25\n"
                                 "7 \t26\n"
                                 "8 \t27\n"
                                 "9 \t28\n"
                                 "10 \t29\n"
                                 "11 \t30\n"
                                 "12 \t31\n"
                                 "13 \t32\n"
                                 "14 \t33\n"
                                 "15 \t34\n"
                                 "16 \t35\n"
                                 "17 \t36\n"
                                 "18 \t37\n"
                                 "19 \t38\n"
                                 "20 \t39\n"
                                 "21 \t40\n"
                                 "22 \t41\n"
                                 "23 \t42\n"
                                 "24 \t43\n"
                                 "25 \t44\n"
                                 "26 \t45\n"
                                 "27 \t46\n"
                                 "28 \t47\n"
                                 "29 \t48\n"
                                 "30 \t49\n"
                                 "31 \t50\n"
                                 "32 \t51\n";
    const std::string bytes = FormatTextReport(DottedTargetWithoutFailures());
    EXPECT_EQ(bytes, CrLf(expected));
    EXPECT_TRUE(OnlyCrLfLineBreaks(bytes));
}

TEST(FormatTextReport, NamedTargetWithOneFailure) {
    ReportData data;
    data.addressText = "127.0.0.1";
    data.domainName = "localhost";
    data.localAddressText = "10.1.2.3";
    data.testStartUtc = "Sat Dec 31 23:59:59 2005\n";
    data.probeCount = 5;
    data.errorCount = 1;
    data.returnedPercentage = 80;
    data.averageRtt = 3;
    data.minimumRtt = 2;
    data.maximumRtt = 4;
    data.verdict = "GOOD";
    data.score = 62;
    data.pingInterval = 2;
    data.timeOut = 500;
    data.replyTtl = 255;
    data.replyDataSize = 32;
    data.history[98] = 77; // older than this run's five probes: not listed
    data.history[99] = 3;
    data.history[100] = 65535 + 999;
    data.history[101] = 2;
    data.history[102] = 0;
    data.history[103] = 4;

    const std::string expected = "LUMET REPORT\n"
                                 "\n"
                                 "test performed on Sat Dec 31 23:59:59 2005 UTC\n"
                                 "\n"
                                 "your connection to: 127.0.0.1\n"
                                 "\n"
                                 "is rated:\tGOOD (62/100)\n"
                                 "\n"
                                 "PING SENT\t5\n"
                                 "RETURNED\t4 (80%)\n"
                                 "\n"
                                 "your IP address: 10.1.2.3\n"
                                 "\n"
                                 "originally queried domain name:\n"
                                 "localhost\n"
                                 "\n"
                                 "LATENCY\n"
                                 "Average RTT\t3 ms\n"
                                 "Minimum RTT\t2 ms\n"
                                 "Maximum RTT\t4 ms\n"
                                 "\n"
                                 "Error\t\t1\n"
                                 "Jitter\t\tn/a\n"
                                 "Lost Packets\tn/a\n"
                                 "\n"
                                 "Frequency:\t2 sec.\n"
                                 "Timeout:\t500 ms\n"
                                 "TTL:\t\t255\n"
                                 "Packet Size:\t40\n"
                                 "\n"
                                 "HISTORY\n"
                                 "Ping\tRTT\n"
                                 "1 \t3\n"
                                 "2 \t999\tError\n"
                                 "3 \t2\n"
                                 "4 \t0\n"
                                 "5 \t4\n";
    const std::string bytes = FormatTextReport(data);
    EXPECT_EQ(bytes, CrLf(expected));
    EXPECT_TRUE(OnlyCrLfLineBreaks(bytes));
}

TEST(FormatTextReport, BoundarySamplesAndFailuresWithTheirTimes) {
    ReportData data = DottedTargetWithoutFailures();
    data.errorCount = 3;
    data.returnedPercentage = 90; // 29 of 32
    data.verdict = "POOR";
    data.score = 30;
    data.history.fill(0);
    for (std::size_t slot = 72; slot < 104; ++slot) {
        data.history[slot] = 10;
    }
    data.history[80] = 1000;         // probe 9: exactly 1000 ms
    data.history[81] = 0;            // probe 10: 0 ms
    data.history[90] = 65535;        // probe 19: failed without a time
    data.history[91] = 65535 + 1000; // probe 20: failed after 1000 ms
    data.history[100] = 65535 + 999; // probe 29: failed, time clamped

    const std::string expected = "LUMET REPORT\n"
                                 "\n"
                                 "test performed on Wed Jan 02 02:03:55 1980 UTC\n"
                                 "\n"
                                 "your connection to: 127.0.0.1\n"
                                 "\n"
                                 "is rated:\tPOOR (30/100)\n"
                                 "\n"
                                 "PING SENT\t32\n"
                                 "RETURNED\t29 (90%)\n"
                                 "\n"
                                 "your IP address: 10.1.2.3\n"
                                 "\n"
                                 "LATENCY\n"
                                 "Average RTT\t35 ms\n"
                                 "Minimum RTT\t20 ms\n"
                                 "Maximum RTT\t51 ms\n"
                                 "\n"
                                 "Errors\t\t3\n"
                                 "Jitter\t\tn/a\n"
                                 "Lost Packets\tn/a\n"
                                 "\n"
                                 "Frequency:\t1 sec.\n"
                                 "Timeout:\t1000 ms\n"
                                 "TTL:\t\t64\n"
                                 "Packet Size:\t8\n"
                                 "\n"
                                 "HISTORY\n"
                                 "Ping\tRTT\n"
                                 "1 \t10\n"
                                 "2 \t10\n"
                                 "3 \t10\n"
                                 "4 \t10\n"
                                 "5 \t10\n"
                                 "6 \t10\n"
                                 "7 \t10\n"
                                 "8 \t10\n"
                                 "9 \t1000\n"
                                 "10 \t0\n"
                                 "11 \t10\n"
                                 "12 \t10\n"
                                 "13 \t10\n"
                                 "14 \t10\n"
                                 "15 \t10\n"
                                 "16 \t10\n"
                                 "17 \t10\n"
                                 "18 \t10\n"
                                 "19 \t0\tError\n"
                                 "20 \t1000\tError\n"
                                 "21 \t10\n"
                                 "22 \t10\n"
                                 "23 \t10\n"
                                 "24 \t10\n"
                                 "25 \t10\n"
                                 "26 \t10\n"
                                 "27 \t10\n"
                                 "28 \t10\n"
                                 "29 \t999\tError\n"
                                 "30 \t10\n"
                                 "31 \t10\n"
                                 "32 \t10\n";
    const std::string bytes = FormatTextReport(data);
    EXPECT_EQ(bytes, CrLf(expected));
    EXPECT_TRUE(OnlyCrLfLineBreaks(bytes));
}

TEST(FormatTextReport, NothingSentEndsWithTheColumnHeading) {
    ReportData data;
    data.addressText = "127.0.0.1";
    data.verdict = "UNUSABLE";
    data.pingInterval = 1;
    data.timeOut = 1000;
    data.history.fill(42); // whatever the slots hold, no line may be listed

    const std::string expected = "LUMET REPORT\n"
                                 "\n"
                                 "test performed on  UTC\n"
                                 "\n"
                                 "your connection to: 127.0.0.1\n"
                                 "\n"
                                 "is rated:\tUNUSABLE (0/100)\n"
                                 "\n"
                                 "PING SENT\t0\n"
                                 "RETURNED\t0 (0%)\n"
                                 "\n"
                                 "your IP address: \n"
                                 "\n"
                                 "LATENCY\n"
                                 "Average RTT\t0 ms\n"
                                 "Minimum RTT\t0 ms\n"
                                 "Maximum RTT\t0 ms\n"
                                 "\n"
                                 "No Errors\n"
                                 "Jitter\t\tn/a\n"
                                 "Lost Packets\tn/a\n"
                                 "\n"
                                 "Frequency:\t1 sec.\n"
                                 "Timeout:\t1000 ms\n"
                                 "TTL:\t\t0\n"
                                 "Packet Size:\t8\n"
                                 "\n"
                                 "HISTORY\n"
                                 "Ping\tRTT\n";
    const std::string bytes = FormatTextReport(data);
    EXPECT_EQ(bytes, CrLf(expected));
    EXPECT_TRUE(OnlyCrLfLineBreaks(bytes));
}

TEST(FormatTextReport, NegativeProbeCountListsNoHistory) {
    ReportData data;
    data.probeCount = -5;
    data.history.fill(42);
    const std::string bytes = FormatTextReport(data);
    EXPECT_NE(bytes.find("\r\nPING SENT\t-5\r\n"), std::string::npos);
    EXPECT_TRUE(bytes.ends_with("\r\nPing\tRTT\r\n"));
}

std::string HistoryPart(const std::string& bytes) {
    const std::string heading = "Ping\tRTT\r\n";
    const std::size_t at = bytes.find(heading);
    return at == std::string::npos ? std::string{} : bytes.substr(at + heading.size());
}

TEST(FormatTextReport, StayAliveListsTheHeldSamplesByTheirProbeNumbers) {
    ReportData data = DottedTargetWithoutFailures();
    data.probeCount = 150;
    data.returnedPercentage = 100;
    for (std::size_t slot = 0; slot < 104; ++slot) {
        data.history[slot] = static_cast<std::uint32_t>(100 + slot);
    }
    data.history[0] = 65535 + 5; // the oldest held sample, probe 47, failed

    // Probe 150 is the newest slot, so the oldest slot holds probe 150 - 103 = 47.
    std::string expected = "47 \t5\tError\n";
    for (int probe = 48; probe <= 150; ++probe) {
        expected += std::to_string(probe) + " \t" + std::to_string(probe + 53) + "\n";
    }
    const std::string bytes = FormatTextReport(data);
    const std::string history = HistoryPart(bytes);
    EXPECT_EQ(history, CrLf(expected));
    EXPECT_EQ(std::count(history.begin(), history.end(), '\n'), 104);
    EXPECT_TRUE(bytes.ends_with("\r\n150 \t203\r\n"));
    EXPECT_NE(bytes.find("\r\nPING SENT\t150\r\nRETURNED\t150 (100%)\r\n"), std::string::npos);
}

TEST(FormatTextReport, ExactlyAFullHistoryStartsAtProbeOne) {
    ReportData data;
    data.probeCount = 104;
    for (std::size_t slot = 0; slot < 104; ++slot) {
        data.history[slot] = static_cast<std::uint32_t>(slot);
    }
    const std::string history = HistoryPart(FormatTextReport(data));
    EXPECT_TRUE(history.starts_with("1 \t0\r\n2 \t1\r\n"));
    EXPECT_TRUE(history.ends_with("\r\n104 \t103\r\n"));
    EXPECT_EQ(std::count(history.begin(), history.end(), '\n'), 104);
}

struct ErrorLineCase {
    const char* name;
    int errorCount;
    const char* line;
};

// Keeps the test names that CTest lists stable: the default prints raw bytes.
void PrintTo(const ErrorLineCase& testCase, std::ostream* out) {
    *out << testCase.errorCount << " failed";
}

class ErrorLine : public ::testing::TestWithParam<ErrorLineCase> {};

TEST_P(ErrorLine, NamesTheFailuresInSingularOrPlural) {
    ReportData data;
    data.probeCount = 4;
    data.errorCount = GetParam().errorCount;
    const std::string bytes = FormatTextReport(data);
    const std::string between =
        std::string("Maximum RTT\t0 ms\r\n\r\n") + GetParam().line + "\r\nJitter\t\tn/a\r\n";
    EXPECT_NE(bytes.find(between), std::string::npos) << bytes;
}

INSTANTIATE_TEST_SUITE_P(FormatTextReport, ErrorLine,
                         ::testing::Values(ErrorLineCase{"None", 0, "No Errors"},
                                           ErrorLineCase{"One", 1, "Error\t\t1"},
                                           ErrorLineCase{"Two", 2, "Errors\t\t2"},
                                           ErrorLineCase{"Four", 4, "Errors\t\t4"}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(FormatTextReport, PacketSizeAddsTheHeaderWithoutWrapping) {
    ReportData data;
    data.replyDataSize = 65535;
    EXPECT_NE(FormatTextReport(data).find("\r\nPacket Size:\t65543\r\n"), std::string::npos);
}

TEST(FormatTextReport, LineBreaksInsideValuesAlsoBecomeCrLf) {
    ReportData data;
    data.domainName = "first\nsecond";
    const std::string bytes = FormatTextReport(data);
    EXPECT_NE(bytes.find(":\r\nfirst\r\nsecond\r\n\r\n"), std::string::npos);
    EXPECT_TRUE(OnlyCrLfLineBreaks(bytes));
}

} // namespace
} // namespace lumet
