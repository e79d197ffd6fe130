#include "platform/icmp/win32/WinIcmpEcho.h"

#include "platform/events/win32/Win32EventLoop.h"
#include "platform/icmp/IcmpStatus.h"

#include <gtest/gtest.h>
#include <optional>

namespace lumet {
namespace {

// 127.0.0.1 in network byte order: the only host these tests send to.
constexpr std::uint32_t kLoopback = 0x0100007F;
constexpr std::uint32_t kPatienceMs = 5000;

TEST(WinIcmpEchoTest, LoopbackAnswersThroughTheLoop) {
    Win32EventLoop loop;
    WinIcmpEcho echo(loop);
    std::optional<ProbeResult> result;
    echo.Start(kLoopback, 2000, [&](const ProbeResult& r) { result = r; });
    EXPECT_FALSE(result.has_value()) << "answered from within Start";
    const ULONGLONG start = GetTickCount64();
    while (!result && GetTickCount64() - start < kPatienceMs) {
        loop.WaitForMessages(100);
    }
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(result->status, IcmpStatus::kSuccess);
    EXPECT_LT(result->roundTripMs, 1000u);
    EXPECT_GT(result->ttl, 0);
    EXPECT_EQ(result->dataSize, 0) << "the request carries no payload";
}

TEST(WinIcmpEchoTest, ACancelledRequestNeverAnswersAndTheNextOneDoes) {
    Win32EventLoop loop;
    WinIcmpEcho echo(loop);
    int cancelledCalls = 0;
    echo.Start(kLoopback, 2000, [&](const ProbeResult&) { ++cancelledCalls; });
    echo.Cancel();
    std::optional<ProbeResult> next;
    echo.Start(kLoopback, 2000, [&](const ProbeResult& r) { next = r; });
    const ULONGLONG start = GetTickCount64();
    while (!next && GetTickCount64() - start < kPatienceMs) {
        loop.WaitForMessages(100);
    }
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->status, IcmpStatus::kSuccess);
    EXPECT_EQ(cancelledCalls, 0);
}

} // namespace
} // namespace lumet
