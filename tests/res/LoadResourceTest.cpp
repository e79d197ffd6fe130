#include "platform/gdi/Bitmap.h"
#include "res/ResourceIds.h"
#include "res/Resources.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <variant>
#include <vector>

// The artwork compiled into the program is the files under res/, byte for byte,
// and the program's bitmaps are found by resource name or number.

namespace lumet {
namespace {

struct EmbeddedRow {
    const char* fault;
    std::string path;
    bool embedded; // when true, the bytes are those of res/<path>
};

class Embedded : public testing::TestWithParam<EmbeddedRow> {};

TEST_P(Embedded, IsTheFileUnderRes) {
    const EmbeddedRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    const std::span<const std::uint8_t> found = FindResource(row.path);
    if (!row.embedded) {
        EXPECT_TRUE(found.empty());
        return;
    }
    std::ifstream file(std::string(LUMET_RES_DIR) + "/" + row.path, std::ios::binary);
    ASSERT_TRUE(file) << row.path;
    const std::vector<std::uint8_t> expected{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(std::vector<std::uint8_t>(found.begin(), found.end()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Resources, Embedded,
    testing::Values(
        EmbeddedRow{"a bitmap cut short or its bytes reordered", "bitmaps/129.bmp", true},
        EmbeddedRow{"a text file mangled (quotes, line ends)", "cursors/cursors.json", true},
        EmbeddedRow{"the largest icon lost", "icons/128-256.png", true},
        EmbeddedRow{"a path found by its prefix", "bitmaps/129", false},
        EmbeddedRow{"a rooted path taken for a relative one", "/bitmaps/129.bmp", false},
        EmbeddedRow{"the help file compiled in, though it is read from the data folder",
                    "lumet.hlp", false},
        EmbeddedRow{"an empty path finding something", "", false}));

struct LoadRow {
    const char* fault;
    std::variant<std::string, int> resource;
    int width; // 0: no bitmap
    int height;
};

class LoadResource : public testing::TestWithParam<LoadRow> {};

TEST_P(LoadResource, FindsTheEmbeddedBitmap) {
    const LoadRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    const Bitmap bitmap = std::visit(
        [](const auto& resource) { return Bitmap::LoadResource(resource); }, row.resource);
    EXPECT_EQ(bitmap.IsNull(), row.width == 0);
    EXPECT_EQ(bitmap.Width(), row.width);
    EXPECT_EQ(bitmap.Height(), row.height);
}

INSTANTIATE_TEST_SUITE_P(
    Bitmap, LoadResource,
    testing::Values(LoadRow{"a button face not found by its name", std::string("RUNU"), 25, 12},
                    LoadRow{"a number written other than in decimal", ResourceId::kSkin, 360, 116},
                    LoadRow{"an empty name loading something", std::string(), 0, 0},
                    LoadRow{"an unknown name giving a picture", std::string("NOSUCH"), 0, 0},
                    LoadRow{"a negative number taken for another resource", -129, 0, 0}));

} // namespace
} // namespace lumet
