#include "app/ApplicationName.h"

#include <gtest/gtest.h>

namespace lumet {
namespace {

TEST(ApplicationNameTest, IsTheExecutableNameWithoutExtension) {
    EXPECT_EQ(ApplicationName("/usr/local/bin/lumet"), "lumet");
    EXPECT_EQ(ApplicationName("./Lumet.exe"), "Lumet");
    EXPECT_EQ(ApplicationName("lumet.tar.gz"), "lumet.tar");
    EXPECT_EQ(ApplicationName(""), "lumet");
    EXPECT_EQ(ApplicationName("/usr/bin/"), "lumet");
}

} // namespace
} // namespace lumet
