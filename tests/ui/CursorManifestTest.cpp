#include "ui/CursorManifest.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace lumet::test {
namespace {

constexpr const char* kManifest = R"({
    "160": {"image": "160.png", "hotSpot": [7, 1]},
    "161": {"image": "161.png", "hotSpot": [0, 6]},
    "162": {"hotSpot": [10, 0], "image": "162.png"}
})";

struct ManifestCase {
    const char* fault;
    std::string manifest;
    const char* id;
    std::optional<CursorEntry> entry;
};

const ManifestCase kCases[] = {
    {"the first entry missed", kManifest, "160", CursorEntry{"160.png", Point{7, 1}}},
    {"an entry's own hot spot not used", kManifest, "161", CursorEntry{"161.png", Point{0, 6}}},
    {"the members' order mattering", kManifest, "162", CursorEntry{"162.png", Point{10, 0}}},
    {"an unknown id answered with another cursor", kManifest, "163", std::nullopt},
    {"an id matched by its prefix", kManifest, "16", std::nullopt},
    {"a hot spot of one number accepted", R"({"160": {"image": "a.png", "hotSpot": [7]}})", "160",
     std::nullopt},
    {"an entry without its picture accepted", R"({"160": {"hotSpot": [7, 1]}})", "160",
     std::nullopt},
    {"an empty picture name accepted", R"({"160": {"image": "", "hotSpot": [7, 1]}})", "160",
     std::nullopt},
    {"a truncated manifest read", R"({"160": {"image": "160.png", "hotSpot": [7, 1]})", "160",
     std::nullopt},
    {"text after the manifest ignored", std::string(kManifest) + " x", "160", std::nullopt},
    {"a malformed later entry ignored",
     R"({"160": {"image": "a.png", "hotSpot": [1, 2]}, "161": 5})", "160", std::nullopt},
    {"an escaped name guessed at", R"({"160": {"image": "a\".png", "hotSpot": [1, 2]}})", "160",
     std::nullopt},
    {"a negative hot spot lost (the cursor clamps it)",
     R"({"160": {"image": "a.png", "hotSpot": [-3, 2]}})", "160",
     CursorEntry{"a.png", Point{-3, 2}}},
    {"nothing read as a manifest", "", "160", std::nullopt},
};

TEST(CursorManifestTest, FindsAWholeEntryOrNothing) {
    for (const ManifestCase& c : kCases) {
        EXPECT_EQ(FindCursorEntry(c.manifest, c.id), c.entry) << c.fault;
    }
}

} // namespace
} // namespace lumet::test
