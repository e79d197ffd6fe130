#include "platform/net/win32/WinResolver.h"

#include "platform/events/win32/Win32EventLoop.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace lumet {
namespace {

constexpr std::uint32_t kLoopback = 0x0100007F; // 127.0.0.1, network byte order
constexpr std::uint32_t kPatienceMs = 10000;

struct LookupCase {
    const char* label;
    const char* name;
    std::uint32_t address;
    const char* fault;
};

void PrintTo(const LookupCase& c, std::ostream* out) {
    *out << '"' << c.name << '"';
}

class WinResolverTest : public ::testing::TestWithParam<LookupCase> {};

// Names that never leave the machine: the local name and dotted text.
TEST_P(WinResolverTest, AnswersThroughTheLoop) {
    const LookupCase& c = GetParam();
    Win32EventLoop loop;
    WinResolver resolver(loop);
    std::optional<std::uint32_t> answer;
    const auto lookup = resolver.ResolveHostName(c.name, [&](std::uint32_t a) { answer = a; });
    EXPECT_FALSE(answer.has_value()) << "answered from within ResolveHostName";
    const ULONGLONG start = GetTickCount64();
    while (!answer && GetTickCount64() - start < kPatienceMs) {
        loop.WaitForMessages(100);
    }
    ASSERT_TRUE(answer.has_value()) << c.fault;
    EXPECT_EQ(*answer, c.address) << c.fault;
}

INSTANTIATE_TEST_SUITE_P(
    Names, WinResolverTest,
    ::testing::Values(
        LookupCase{"LocalName", "localhost", kLoopback, "the local name not found"},
        LookupCase{"Dotted", "127.0.0.1", kLoopback, "dotted text not taken as it is"},
        LookupCase{"Empty", "", 0, "an empty name answered with the machine's own address"}),
    [](const auto& row) { return std::string(row.param.label); });

TEST(WinResolverAbandonTest, AnAbandonedLookupNeverAnswers) {
    Win32EventLoop loop;
    WinResolver resolver(loop);
    int answers = 0;
    auto lookup = resolver.ResolveHostName("localhost", [&](std::uint32_t) { ++answers; });
    lookup.reset();
    std::optional<std::uint32_t> next;
    const auto second = resolver.ResolveHostName("localhost", [&](std::uint32_t a) { next = a; });
    const ULONGLONG start = GetTickCount64();
    while (!next && GetTickCount64() - start < kPatienceMs) {
        loop.WaitForMessages(100);
    }
    EXPECT_EQ(next, kLoopback);
    EXPECT_EQ(answers, 0);
}

TEST(WinResolverAbandonTest, TheLocalHostNameIsKnown) {
    Win32EventLoop loop;
    WinResolver resolver(loop);
    const std::optional<std::string> name = resolver.LocalHostName();
    ASSERT_TRUE(name.has_value());
    EXPECT_FALSE(name->empty());
}

} // namespace
} // namespace lumet
