#include "app/SettingsStore.h"

#include <climits>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace lumet {
namespace {

// In-memory profile: committed values, staged values, and a switch for failure.
class MemoryProfile final : public Profile {
public:
    std::optional<long long> ReadInt(const std::string& section,
                                     const std::string& key) const override {
        const auto found = ints.find({section, key});
        return found == ints.end() ? std::nullopt : std::optional(found->second);
    }
    std::optional<std::string> ReadString(const std::string& section,
                                          const std::string& key) const override {
        const auto found = strings.find({section, key});
        return found == strings.end() ? std::nullopt : std::optional(found->second);
    }
    void WriteInt(const std::string& section, const std::string& key, long long value) override {
        stagedInts[{section, key}] = value;
    }
    void WriteString(const std::string& section, const std::string& key,
                     const std::string& value) override {
        stagedStrings[{section, key}] = value;
    }
    bool Commit() override {
        ++commits;
        if (failCommit) {
            stagedInts.clear();
            stagedStrings.clear();
            return false;
        }
        for (auto& [where, value] : stagedInts) {
            ints[where] = value;
        }
        for (auto& [where, value] : stagedStrings) {
            strings[where] = value;
        }
        stagedInts.clear();
        stagedStrings.clear();
        return true;
    }

    using Key = std::pair<std::string, std::string>;
    std::map<Key, long long> ints;
    std::map<Key, std::string> strings;
    std::map<Key, long long> stagedInts;
    std::map<Key, std::string> stagedStrings;
    bool failCommit = false;
    int commits = 0;
};

TEST(SettingsStoreTest, EmptyProfileKeepsInitialValues) {
    const MemoryProfile profile;
    PingSettings settings;
    SettingsStore::LoadSettings(profile, settings);
    EXPECT_EQ(settings.PingInterval, 1);
    EXPECT_EQ(settings.StayAliveInterval, 10);
    EXPECT_EQ(settings.PingCount, 32);
    EXPECT_EQ(settings.PacketSize, 248);
    EXPECT_EQ(settings.TTL, 32);
    EXPECT_EQ(settings.TimeOut, 1000);
    EXPECT_EQ(settings.LastIPAddr, "127.0.0.1");
    EXPECT_EQ(settings.LastDNAddr, "");
    EXPECT_FALSE(settings.LeftPos.has_value());
    EXPECT_FALSE(settings.TopPos.has_value());
}

TEST(SettingsStoreTest, MissingKeysKeepCurrentValues) {
    MemoryProfile profile;
    profile.ints[{"1.0", "PingCount"}] = 64;
    PingSettings settings;
    settings.TimeOut = 4000;
    settings.LastDNAddr = "localhost";
    SettingsStore::LoadSettings(profile, settings);
    EXPECT_EQ(settings.PingCount, 64);
    EXPECT_EQ(settings.TimeOut, 4000);
    EXPECT_EQ(settings.LastDNAddr, "localhost");
}

TEST(SettingsStoreTest, ValuesOutsideSectionAreIgnored) {
    MemoryProfile profile;
    profile.ints[{"2.0", "PingCount"}] = 64;
    profile.strings[{"", "LastIPAddr"}] = "127.0.0.9";
    PingSettings settings;
    SettingsStore::LoadSettings(profile, settings);
    EXPECT_EQ(settings.PingCount, 32);
    EXPECT_EQ(settings.LastIPAddr, "127.0.0.1");
}

struct LoadCase {
    const char* key;
    long long stored;
    int PingSettings::*setting;
    int loaded;
};

class LoadClampTable : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadClampTable, StoredNumberIsBroughtIntoRange) {
    const LoadCase& c = GetParam();
    MemoryProfile profile;
    profile.ints[{"1.0", c.key}] = c.stored;
    PingSettings settings;
    SettingsStore::LoadSettings(profile, settings);
    EXPECT_EQ(settings.*(c.setting), c.loaded) << c.key << " = " << c.stored;
}

INSTANTIATE_TEST_SUITE_P(
    SettingsStoreTest, LoadClampTable,
    ::testing::Values(LoadCase{"PingInterval", 0, &PingSettings::PingInterval, 1},
                      LoadCase{"PingInterval", -3, &PingSettings::PingInterval, 1},
                      LoadCase{"PingInterval", 7, &PingSettings::PingInterval, 7},
                      LoadCase{"PingInterval", 1000, &PingSettings::PingInterval, 999},
                      LoadCase{"StayAliveInterval", 9, &PingSettings::StayAliveInterval, 10},
                      LoadCase{"StayAliveInterval", 999, &PingSettings::StayAliveInterval, 999},
                      LoadCase{"PingCount", -1, &PingSettings::PingCount, 1},
                      LoadCase{"PingCount", 16, &PingSettings::PingCount, 16},
                      LoadCase{"PingCount", LLONG_MAX, &PingSettings::PingCount, 999},
                      LoadCase{"PacketSize", 0, &PingSettings::PacketSize, 8},
                      LoadCase{"PacketSize", 65536, &PingSettings::PacketSize, 65535},
                      LoadCase{"TTL", 255, &PingSettings::TTL, 254},
                      LoadCase{"TTL", LLONG_MIN, &PingSettings::TTL, 1},
                      LoadCase{"TimeOut", 99999999, &PingSettings::TimeOut, 10000},
                      LoadCase{"TimeOut", 10, &PingSettings::TimeOut, 1000},
                      LoadCase{"TimeOut", 2500, &PingSettings::TimeOut, 2500},
                      // Beyond 32 bits: must not wrap into range before clamping.
                      LoadCase{"TimeOut", 4294968296LL, &PingSettings::TimeOut, 10000}));

TEST(SettingsStoreTest, StoredPositionsAreLoadedAndSaturated) {
    MemoryProfile profile;
    profile.ints[{"1.0", "LeftPos"}] = -40;
    profile.ints[{"1.0", "TopPos"}] = 1LL << 40;
    PingSettings settings;
    SettingsStore::LoadSettings(profile, settings);
    EXPECT_EQ(settings.LeftPos, -40);
    EXPECT_EQ(settings.TopPos, INT_MAX);
}

TEST(SettingsStoreTest, SaveWritesEveryKeyInOneCommit) {
    MemoryProfile profile;
    PingSettings settings;
    settings.PingInterval = 2;
    settings.StayAliveInterval = 20;
    settings.PingCount = 16;
    settings.PacketSize = 64;
    settings.TTL = 128;
    settings.TimeOut = 3000;
    settings.LastIPAddr = "127.0.0.5";
    settings.LastDNAddr = "localhost";

    ASSERT_TRUE(SettingsStore::SaveSettings(profile, settings, WindowPosition{120, -8}));

    EXPECT_EQ(profile.commits, 1);
    const std::map<MemoryProfile::Key, long long> expectedInts{
        {{"1.0", "PingInterval"}, 2}, {{"1.0", "StayAliveInterval"}, 20},
        {{"1.0", "PingCount"}, 16},   {{"1.0", "PacketSize"}, 64},
        {{"1.0", "TTL"}, 128},        {{"1.0", "TimeOut"}, 3000},
        {{"1.0", "LeftPos"}, 120},    {{"1.0", "TopPos"}, -8}};
    EXPECT_EQ(profile.ints, expectedInts);
    const std::map<MemoryProfile::Key, std::string> expectedStrings{
        {{"1.0", "LastIPAddr"}, "127.0.0.5"}, {{"1.0", "LastDNAddr"}, "localhost"}};
    EXPECT_EQ(profile.strings, expectedStrings);
}

TEST(SettingsStoreTest, SaveWithoutWindowKeepsStoredPosition) {
    MemoryProfile profile;
    profile.ints[{"1.0", "LeftPos"}] = 300;
    profile.ints[{"1.0", "TopPos"}] = 200;
    PingSettings settings;
    settings.LeftPos = 5;
    settings.TopPos = 6;
    ASSERT_TRUE(SettingsStore::SaveSettings(profile, settings, std::nullopt));
    EXPECT_EQ(profile.ints.at({"1.0", "LeftPos"}), 300);
    EXPECT_EQ(profile.ints.at({"1.0", "TopPos"}), 200);
    EXPECT_EQ(profile.ints.at({"1.0", "PingCount"}), 32);
}

TEST(SettingsStoreTest, SaveReportsFailedCommit) {
    MemoryProfile profile;
    profile.failCommit = true;
    EXPECT_FALSE(SettingsStore::SaveSettings(profile, PingSettings{}, WindowPosition{1, 2}));
    EXPECT_TRUE(profile.ints.empty());
}

TEST(SettingsStoreTest, LoadAfterSaveGivesSameSettings) {
    MemoryProfile profile;
    PingSettings saved;
    saved.PingInterval = 4;
    saved.PingCount = 100;
    saved.TimeOut = 9000;
    saved.LastIPAddr = "127.1.2.3";
    saved.LastDNAddr = "localhost";
    ASSERT_TRUE(SettingsStore::SaveSettings(profile, saved, WindowPosition{10, 20}));

    PingSettings loaded;
    SettingsStore::LoadSettings(profile, loaded);
    EXPECT_EQ(loaded.PingInterval, 4);
    EXPECT_EQ(loaded.PingCount, 100);
    EXPECT_EQ(loaded.TimeOut, 9000);
    EXPECT_EQ(loaded.LastIPAddr, "127.1.2.3");
    EXPECT_EQ(loaded.LastDNAddr, "localhost");
    EXPECT_EQ(loaded.LeftPos, 10);
    EXPECT_EQ(loaded.TopPos, 20);
}

struct PositionCase {
    std::optional<int> left;
    std::optional<int> top;
    std::optional<WindowPosition> placed;
};

class WindowPositionTable : public ::testing::TestWithParam<PositionCase> {};

TEST_P(WindowPositionTable, OnA1920By1080Screen) {
    const PositionCase& c = GetParam();
    PingSettings settings;
    settings.LeftPos = c.left;
    settings.TopPos = c.top;
    EXPECT_EQ(SettingsStore::InitialWindowPosition(settings, 1920, 1080), c.placed);
}

INSTANTIATE_TEST_SUITE_P(
    SettingsStoreTest, WindowPositionTable,
    ::testing::Values(PositionCase{100, 200, WindowPosition{100, 200}},
                      PositionCase{1919, 1079, WindowPosition{1919, 1079}},
                      PositionCase{1920, 100, std::nullopt}, PositionCase{100, 1080, std::nullopt},
                      PositionCase{5000, 5000, std::nullopt},
                      PositionCase{-50, -20, WindowPosition{-50, -20}},
                      PositionCase{INT_MIN, 0, WindowPosition{INT_MIN, 0}},
                      PositionCase{-10, 1080, std::nullopt},
                      // A missing coordinate reads as 0.
                      PositionCase{std::nullopt, std::nullopt, WindowPosition{0, 0}},
                      PositionCase{std::nullopt, 300, WindowPosition{0, 300}},
                      PositionCase{2000, std::nullopt, std::nullopt}));

} // namespace
} // namespace lumet
