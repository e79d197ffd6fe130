#include "platform/profile/win32/RegistryProfile.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <windows.h>

namespace lumet {
namespace {

// A profile under a name of its own, removed from the registry afterwards.
class RegistryProfileTest : public ::testing::Test {
protected:
    RegistryProfileTest() : name_("LumetTest" + std::to_string(std::random_device{}())) {}
    ~RegistryProfileTest() override { RegDeleteTreeW(HKEY_CURRENT_USER, KeyPath(L"").c_str()); }

    std::wstring KeyPath(const std::wstring& section) const {
        std::wstring path = L"Software\\Orbisk\\" + std::wstring(name_.begin(), name_.end());
        return section.empty() ? path : path + L"\\" + section;
    }

    // The type the registry holds the value in; REG_NONE when absent.
    DWORD StoredType(const wchar_t* key) const {
        DWORD type = REG_NONE;
        if (RegGetValueW(HKEY_CURRENT_USER, KeyPath(L"1.0").c_str(), key, RRF_RT_ANY, &type,
                         nullptr, nullptr) != ERROR_SUCCESS) {
            return REG_NONE;
        }
        return type;
    }

    void PutString(const wchar_t* key, const std::wstring& text) const {
        RegSetKeyValueW(HKEY_CURRENT_USER, KeyPath(L"1.0").c_str(), key, REG_SZ, text.c_str(),
                        static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    }

    const std::string name_;
};

TEST_F(RegistryProfileTest, CommittedValuesAreReadByTheNextProgramStart) {
    RegistryProfile profile(name_);
    profile.WriteInt("1.0", "PingCount", 2);
    profile.WriteString("1.0", "LastAddress", "Zürich-host ✓");
    profile.WriteString("1.0", "Empty", "");
    EXPECT_EQ(StoredType(L"PingCount"), static_cast<DWORD>(REG_NONE)) << "written before Commit";
    ASSERT_TRUE(profile.Commit());

    const RegistryProfile next(name_);
    EXPECT_EQ(next.ReadInt("1.0", "PingCount"), 2);
    EXPECT_EQ(next.ReadString("1.0", "LastAddress"), "Zürich-host ✓");
    EXPECT_EQ(next.ReadString("1.0", "Empty"), "");
    EXPECT_EQ(next.ReadInt("1.0", "Missing"), std::nullopt);
    EXPECT_EQ(next.ReadString("2.0", "PingCount"), std::nullopt) << "sections mixed up";
}

TEST_F(RegistryProfileTest, StagedValuesReadBackBeforeCommit) {
    RegistryProfile profile(name_);
    profile.WriteInt("1.0", "Timeout", 1000);
    EXPECT_EQ(profile.ReadInt("1.0", "Timeout"), 1000);
    EXPECT_EQ(profile.ReadString("1.0", "Timeout"), "1000");
    EXPECT_EQ(RegistryProfile(name_).ReadInt("1.0", "Timeout"), std::nullopt);
}

struct TypeCase {
    long long value;
    DWORD type;
    const char* fault;
};

class RegistryIntegerTypeTest : public RegistryProfileTest,
                                public ::testing::WithParamInterface<TypeCase> {};

TEST_P(RegistryIntegerTypeTest, IntegersKeepTheirValueInTheSmallestFittingType) {
    const TypeCase& c = GetParam();
    RegistryProfile profile(name_);
    profile.WriteInt("1.0", "Value", c.value);
    ASSERT_TRUE(profile.Commit());
    EXPECT_EQ(StoredType(L"Value"), c.type) << c.fault;
    EXPECT_EQ(RegistryProfile(name_).ReadInt("1.0", "Value"), c.value) << c.fault;
}

INSTANTIATE_TEST_SUITE_P(
    Values, RegistryIntegerTypeTest,
    ::testing::Values(TypeCase{0, REG_DWORD, "zero stored as text"},
                      TypeCase{4294967295LL, REG_DWORD, "the largest DWORD widened"},
                      TypeCase{4294967296LL, REG_QWORD, "a value past 32 bits cut to a DWORD"},
                      TypeCase{-1, REG_QWORD, "a negative value stored as a large DWORD"}));

struct HandEditCase {
    const wchar_t* text;
    std::optional<long long> value;
    const char* fault;
};

class RegistryHandEditTest : public RegistryProfileTest,
                             public ::testing::WithParamInterface<HandEditCase> {};

TEST_P(RegistryHandEditTest, TextValuesReadAsIntegersOnlyWhenTheyAreOne) {
    const HandEditCase& c = GetParam();
    PutString(L"PingCount", c.text);
    EXPECT_EQ(RegistryProfile(name_).ReadInt("1.0", "PingCount"), c.value) << c.fault;
}

INSTANTIATE_TEST_SUITE_P(Texts, RegistryHandEditTest,
                         ::testing::Values(HandEditCase{L" 16 ", 16, "a typed number refused"},
                                           HandEditCase{L"ten", std::nullopt, "a word read as 0"}));

TEST_F(RegistryProfileTest, LocationNamesTheKey) {
    EXPECT_EQ(RegistryProfile(name_).Location(), "HKEY_CURRENT_USER\\Software\\Orbisk\\" + name_);
}

} // namespace
} // namespace lumet
