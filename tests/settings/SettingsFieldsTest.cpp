#include "app/SettingsFields.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

namespace lumet {
namespace {

// A panel showing the initial settings.
SettingsFields InitialFields() {
    return SettingsFieldsFromSettings(PingSettings{});
}

TEST(SettingsFieldsTest, EachControlHoldsItsSetting) {
    PingSettings settings;
    settings.PingInterval = 2;
    settings.PingCount = 40;
    settings.StayAliveInterval = 30;
    settings.PacketSize = 64;
    settings.TTL = 128;
    settings.TimeOut = 3000;
    SettingsFields fields = SettingsFieldsFromSettings(settings);
    const std::map<int, std::uint32_t> expected{{1017, 2},  {1018, 40},  {1019, 30},
                                                {1020, 64}, {1021, 128}, {1022, 3000}};
    for (const auto& [controlId, value] : expected) {
        ASSERT_NE(SettingsFieldMember(fields, controlId), nullptr) << controlId;
        EXPECT_EQ(*SettingsFieldMember(fields, controlId), value) << controlId;
    }
    EXPECT_EQ(SettingsFieldMember(fields, 1000), nullptr);
    EXPECT_EQ(SettingsFieldMember(fields, 1023), nullptr);
}

struct ClampCase {
    int controlId;
    std::uint32_t typed;
    std::uint32_t shown;
};

class ClampTable : public ::testing::TestWithParam<ClampCase> {};

TEST_P(ClampTable, LeavingAFieldShowsItsClampedValue) {
    const ClampCase& c = GetParam();
    SettingsFields fields = InitialFields();
    SettingsFields expected = fields;
    *SettingsFieldMember(fields, c.controlId) = c.typed;
    *SettingsFieldMember(expected, c.controlId) = c.shown;

    ClampSettingsFields(fields);

    EXPECT_EQ(fields, expected);
}

INSTANTIATE_TEST_SUITE_P(
    SettingsFieldsTest, ClampTable,
    ::testing::Values(ClampCase{1017, 0, 1}, ClampCase{1017, 1, 1}, ClampCase{1017, 999, 999},
                      ClampCase{1017, 5000, 999}, ClampCase{1019, 5, 10}, ClampCase{1019, 10, 10},
                      ClampCase{1019, 0, 10}, ClampCase{1019, 1000, 999}, ClampCase{1018, 0, 1},
                      ClampCase{1018, 500, 500}, ClampCase{1018, 1000, 999}, ClampCase{1020, 7, 8},
                      ClampCase{1020, 65535, 65535}, ClampCase{1020, 65536, 65535},
                      ClampCase{1021, 0, 1}, ClampCase{1021, 254, 254}, ClampCase{1021, 255, 254},
                      ClampCase{1022, 500, 1000}, ClampCase{1022, 999, 1000},
                      ClampCase{1022, 10000, 10000}, ClampCase{1022, 20000, 10000},
                      ClampCase{1022, UINT32_MAX, 10000}));

TEST(SettingsFieldsTest, OneClampFixesAllSixFields) {
    SettingsFields fields{0, 0, 0, 0, 0, 0};
    ClampSettingsFields(fields);
    EXPECT_EQ(fields, (SettingsFields{1, 1, 10, 8, 1, 1000}));
}

TEST(SettingsFieldsTest, FieldsAreReadInExchangeOrder) {
    std::vector<int> visited;
    SettingsFields fields = InitialFields();
    const std::optional<int> failed = ReadSettingsFieldTexts(fields, [&](int controlId) {
        visited.push_back(controlId);
        return std::to_string(controlId);
    });
    EXPECT_FALSE(failed.has_value());
    EXPECT_EQ(visited, (std::vector<int>{1018, 1019, 1017, 1020, 1022, 1021}));
    EXPECT_EQ(fields.pingCount, 1018u);
    EXPECT_EQ(fields.ttl, 1021u);
}

TEST(SettingsFieldsTest, EmptyFieldStopsReadingAndKeepsItsAndLaterMembers) {
    SettingsFields fields = InitialFields();
    const std::map<int, std::string> texts{{1018, "50"}, {1019, ""},     {1017, "7"},
                                           {1020, "99"}, {1022, "2000"}, {1021, "9"}};
    const std::optional<int> failed =
        ReadSettingsFieldTexts(fields, [&](int controlId) { return texts.at(controlId); });
    ASSERT_EQ(failed, 1019);
    EXPECT_EQ(fields.pingCount, 50u);
    EXPECT_EQ(fields.stayAliveInterval, 10u);
    EXPECT_EQ(fields.pingInterval, 1u);
    EXPECT_EQ(fields.packetSize, 248u);
    EXPECT_EQ(fields.timeOut, 1000u);
    EXPECT_EQ(fields.ttl, 32u);
    EXPECT_EQ(kNotAPositiveIntegerMessage, "Please enter a positive integer.");
}

struct ParseCase {
    const char* text;
    std::optional<std::uint32_t> value;
};

class ParseTable : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTable, FieldTextAsUnsignedNumber) {
    EXPECT_EQ(ParseSettingsFieldText(GetParam().text), GetParam().value)
        << "\"" << GetParam().text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    SettingsFieldsTest, ParseTable,
    ::testing::Values(ParseCase{"", std::nullopt}, ParseCase{"   ", std::nullopt},
                      ParseCase{"0", 0u}, ParseCase{"16", 16u}, ParseCase{" 250 ", 250u},
                      ParseCase{"007", 7u}, ParseCase{"4294967295", 4294967295u},
                      ParseCase{"99999999999", 4294967295u}, ParseCase{"1a", std::nullopt},
                      ParseCase{"-1", std::nullopt}, ParseCase{"+1", std::nullopt},
                      ParseCase{"1 2", std::nullopt}));

TEST(SettingsFieldsTest, ResetAfterFreshStartSetsPingCountSixteen) {
    PingSettings settings;
    ASSERT_EQ(settings.PingCount, 32);
    settings.PingInterval = 5;
    settings.StayAliveInterval = 60;
    settings.PacketSize = 1000;
    settings.TTL = 200;
    settings.TimeOut = 5000;
    settings.LastIPAddr = "127.0.0.2";
    SettingsFields fields{9, 9, 99, 99, 9, 9999};

    ResetSettings(settings, fields);

    EXPECT_EQ(settings.PingInterval, 1);
    EXPECT_EQ(settings.StayAliveInterval, 10);
    EXPECT_EQ(settings.PingCount, 16);
    EXPECT_EQ(settings.PacketSize, 248);
    EXPECT_EQ(settings.TTL, 32);
    EXPECT_EQ(settings.TimeOut, 1000);
    EXPECT_EQ(settings.LastIPAddr, "127.0.0.2");
    EXPECT_EQ(fields, (SettingsFields{1, 16, 10, 248, 32, 1000}));
}

TEST(SettingsFieldsTest, ClosingPanelCopiesFieldsIntoSettingsWithinRange) {
    PingSettings settings;
    SettingsFields fields{0, 5000, 3, 70000, 0, 99};
    CopySettingsFieldsToSettings(fields, settings);
    EXPECT_EQ(settings.PingInterval, 1);
    EXPECT_EQ(settings.PingCount, 999);
    EXPECT_EQ(settings.StayAliveInterval, 10);
    EXPECT_EQ(settings.PacketSize, 65535);
    EXPECT_EQ(settings.TTL, 1);
    EXPECT_EQ(settings.TimeOut, 1000);

    CopySettingsFieldsToSettings(SettingsFields{3, 20, 15, 100, 64, 2500}, settings);
    EXPECT_EQ(SettingsFieldsFromSettings(settings), (SettingsFields{3, 20, 15, 100, 64, 2500}));
}

} // namespace
} // namespace lumet
