#include "tools/lumet-cli/PathText.h"

#include <gtest/gtest.h>

namespace lumet::cli {
namespace {

struct PathRow {
    const char* fault;
    std::string text;
};

class PathTextRoundTrip : public testing::TestWithParam<PathRow> {};

TEST_P(PathTextRoundTrip, GivesBackTheNameItWasGiven) {
    SCOPED_TRACE(GetParam().fault);
    const std::filesystem::path path = PathFromText(GetParam().text);
    EXPECT_EQ(PathText(path), GetParam().text);
    EXPECT_EQ(PathText(path.filename()), GetParam().text.substr(GetParam().text.rfind('/') + 1));
}

INSTANTIATE_TEST_SUITE_P(
    PathText, PathTextRoundTrip,
    testing::Values(PathRow{"a plain list name changed", "lists/eu.lst"},
                    PathRow{"a name outside ASCII bent to a code page", "listes/caf\xc3\xa9.lst"},
                    PathRow{"a name outside the Basic Multilingual Plane split up",
                            "\xf0\x9f\x8c\x8d/servers.lst"}));

} // namespace
} // namespace lumet::cli
