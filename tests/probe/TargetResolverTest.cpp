#include "probe/TargetResolver.h"

#include "tests/support/FakeResolver.h"
#include "tests/support/FakeTimers.h"
#include "tests/support/ScriptedIcmpEcho.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace lumet {
namespace {

class RecordingAddressField final : public AddressFieldView {
public:
    int wrongAddressShown = 0;
    std::vector<std::string> resolvedShown;
    std::vector<std::string> localAddressUnknown; // the host names told

    void ShowWrongAddress() override { ++wrongAddressShown; }
    void ShowResolvedAddress(const std::string& dotted) override {
        resolvedShown.push_back(dotted);
    }
    void ShowLocalAddressUnknown(const std::string& hostName) override {
        localAddressUnknown.push_back(hostName);
    }
};

class TargetResolverTest : public testing::Test {
protected:
    TargetResolverTest() {
        resolver.addresses["localhost"] = 0x0100007F;
        resolver.addresses["gw.test"] = 0x0A00000A;
        target.addressText = "192.0.2.9";
        target.domainName = "stale.example";
        target.targetAddress = 0x12345678;
    }

    // Resolves and lets the lookup's answer come in.
    bool Resolve(const std::string& text, bool fallback) {
        const std::optional<bool>& resolved = Start(text, fallback);
        loop.RunFor(resolver.answerDelayMs);
        return resolved.value_or(false);
    }

    // Only starts: the outcome lands in `resolved` when it comes.
    std::optional<bool>& Start(const std::string& text, bool fallback) {
        target.targetText = text;
        outcome.reset();
        resolution.ResolveTarget(fallback, [this](bool success) { outcome = success; });
        return outcome;
    }

    void LocalAddress() {
        bool done = false;
        resolution.GetLocalAddress([&done] { done = true; });
        loop.RunFor(resolver.answerDelayMs);
        EXPECT_TRUE(done);
    }

    test::FakeClock clock;
    test::FakeTimers loop{clock};
    test::ScriptedIcmpEcho echo{loop};
    test::FakeResolver resolver{loop};
    ProbeEngine engine{echo, resolver};
    TargetStrings target;
    RecordingAddressField field;
    TargetResolver resolution{engine, target, field};
    std::optional<bool> outcome;
};

TEST_F(TargetResolverTest, LowercaseNameResolvesAndShowsTheDottedAddress) {
    EXPECT_TRUE(Resolve("gw.test", false));
    EXPECT_EQ(target.domainName, "gw.test");
    EXPECT_EQ(target.addressText, "10.0.0.10");
    EXPECT_EQ(target.targetAddress, 0x0A00000Au);
    EXPECT_EQ(field.resolvedShown, std::vector<std::string>{"10.0.0.10"});
    EXPECT_EQ(field.wrongAddressShown, 0);
}

TEST_F(TargetResolverTest, DottedAddressIsTakenWithoutLookupOrFieldRefresh) {
    EXPECT_TRUE(Resolve("10.0.0.1", false));
    EXPECT_EQ(target.domainName, "");
    EXPECT_EQ(target.addressText, "10.0.0.1");
    EXPECT_EQ(target.targetAddress, 0x0100000Au);
    EXPECT_TRUE(resolver.lookups.empty());
    EXPECT_TRUE(field.resolvedShown.empty());
}

struct DottedCase {
    const char* text;
    std::uint32_t address;
};

class AcceptedDotted : public TargetResolverTest, public testing::WithParamInterface<DottedCase> {};

TEST_P(AcceptedDotted, IsProbedAtTheAddressItSpells) {
    const DottedCase& c = GetParam();
    EXPECT_TRUE(Resolve(c.text, false));
    EXPECT_EQ(target.addressText, c.text);
    EXPECT_EQ(target.targetAddress, c.address);
    EXPECT_EQ(field.wrongAddressShown, 0);
}

INSTANTIATE_TEST_SUITE_P(Texts, AcceptedDotted,
                         testing::Values(
                             // Typed on purpose, the broadcast address is still an address.
                             DottedCase{"255.255.255.255", 0xFFFFFFFFu},
                             // The short forms inet_addr has always taken.
                             DottedCase{"127.1", 0x0100007Fu}, DottedCase{"10.258", 0x0201000Au}));

struct RefusedCase {
    const char* text;
    bool fallback;
    const char* addressAfter;
    std::uint32_t targetAddressAfter;
};

class RefusedTarget : public TargetResolverTest, public testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedTarget, ShowsTheBannerAndLeavesNoDomainName) {
    const RefusedCase& c = GetParam();
    EXPECT_FALSE(Resolve(c.text, c.fallback));
    EXPECT_EQ(field.wrongAddressShown, 1);
    EXPECT_TRUE(field.resolvedShown.empty());
    EXPECT_EQ(target.domainName, "");
    EXPECT_EQ(target.addressText, c.addressAfter);
    EXPECT_EQ(target.targetAddress, c.targetAddressAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RefusedTarget,
    testing::Values(
        // A letter inside a dotted address.
        RefusedCase{"10.0.0.x", false, "192.0.2.9", 0},
        RefusedCase{"10.0.0.x", true, "127.0.0.1", 0},
        // Names are only recognised by a lowercase first letter.
        RefusedCase{"Localhost", true, "127.0.0.1", 0}, RefusedCase{"-host", false, "192.0.2.9", 0},
        RefusedCase{"1host", false, "192.0.2.9", 0}, RefusedCase{"\xE9t\xE9", true, "127.0.0.1", 0},
        // A name the resolver does not know; trailing blanks are part of the name.
        RefusedCase{"nowhere.test", false, "192.0.2.9", 0},
        RefusedCase{"nowhere.test", true, "127.0.0.1", 0},
        RefusedCase{"localhost ", true, "127.0.0.1", 0},
        // Digits and dots that spell no address: inet_addr would make each of them the
        // broadcast address.
        RefusedCase{"", false, "192.0.2.9", 0}, RefusedCase{"10.1.2.256", false, "192.0.2.9", 0},
        RefusedCase{"1.2.3.4.5", true, "127.0.0.1", 0}, RefusedCase{"...", false, "192.0.2.9", 0},
        RefusedCase{"300.1.1.1", false, "192.0.2.9", 0}));

TEST_F(TargetResolverTest, RunRefusesAnAddressThatDoesNotParse) {
    const struct {
        const char* address;
        bool runs;
    } cases[] = {{"10.0.0.1", true}, {"10.1.2.256", false}, {"", false}};
    for (const auto& c : cases) {
        field.wrongAddressShown = 0;
        target.addressText = c.address;
        EXPECT_EQ(resolution.CheckAddressToRun(), c.runs) << c.address;
        EXPECT_EQ(field.wrongAddressShown, c.runs ? 0 : 1) << c.address;
    }
}

TEST_F(TargetResolverTest, LocalAddressComesFromTheLocalHostName) {
    resolver.hostName = "localhost";
    LocalAddress();
    EXPECT_EQ(target.localAddressText, "127.0.0.1");
    EXPECT_TRUE(field.localAddressUnknown.empty());
}

TEST_F(TargetResolverTest, LocalAddressFailuresTellTheUserAndKeepTheLastValue) {
    target.localAddressText = "10.1.1.1";

    resolver.hostName = std::nullopt;
    LocalAddress();
    resolver.hostName = "unknown-host";
    LocalAddress();

    EXPECT_EQ(target.localAddressText, "10.1.1.1");
    EXPECT_EQ(field.localAddressUnknown, (std::vector<std::string>{"", "unknown-host"}));
}

} // namespace
} // namespace lumet

namespace lumet {
namespace {

TEST_F(TargetResolverTest, ANameIsDecidedOnlyWhenItsAnswerComes) {
    resolver.answerDelayMs = 3000;
    const std::optional<bool>& resolved = Start("gw.test", false);
    loop.RunFor(2999);
    EXPECT_FALSE(resolved.has_value()) << "decided before the answer";
    EXPECT_TRUE(resolution.Resolving());
    EXPECT_TRUE(field.resolvedShown.empty());

    loop.RunFor(1);

    EXPECT_EQ(resolved, true);
    EXPECT_FALSE(resolution.Resolving());
    EXPECT_EQ(target.targetAddress, 0x0A00000Au);
}

TEST_F(TargetResolverTest, AbandonedLookupsChangeNothingWhenTheirAnswerComes) {
    struct Row {
        const char* fault;
        std::function<void()> abandon;
        std::string fieldAfter;
    };
    const Row rows[] = {
        {"a cancelled lookup still applies its answer",
         [this] { resolution.CancelResolveTarget(); }, ""},
        {"a second target takes the first one's answer", [this] { Start("localhost", false); },
         "127.0.0.1"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fault);
        field.resolvedShown.clear();
        resolver.answerDelayMs = 100;
        bool firstAnswered = false;
        target.targetText = "gw.test";
        resolution.ResolveTarget(false, [&firstAnswered](bool) { firstAnswered = true; });
        row.abandon();

        loop.RunFor(1000);

        EXPECT_FALSE(firstAnswered);
        const std::vector<std::string> shown = row.fieldAfter.empty()
                                                   ? std::vector<std::string>{}
                                                   : std::vector<std::string>{row.fieldAfter};
        EXPECT_EQ(field.resolvedShown, shown);
    }
}

} // namespace
} // namespace lumet
