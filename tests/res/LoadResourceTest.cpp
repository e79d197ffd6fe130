#include "platform/gdi/Bitmap.h"
#include "res/ResourceIds.h"
#include "res/Resources.h"

#include <gtest/gtest.h>
#include <string>
#include <variant>

// The program's bitmaps are found by resource name or number, as the window and
// the displays ask for them.

namespace lumet {
namespace {

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
    InitResources();
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
