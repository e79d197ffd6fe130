#include "app/FilePlaces.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace lumet {
namespace {

struct PlacesRow {
    const char* fault;
    std::filesystem::path programDirectory;
    std::set<std::string> files; // what exists
    FilePlaces expected;
};

class FilePlacesTable : public testing::TestWithParam<PlacesRow> {};

TEST_P(FilePlacesTable, FollowTheInstall) {
    const PlacesRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    const InstallFacts facts{row.programDirectory, "../share/lumet", "/home/ann/Documents/Lumet"};
    const FilePlaces places = LocateFilePlaces(facts, [&row](const std::filesystem::path& p) {
        return row.files.contains(p.generic_string());
    });
    EXPECT_EQ(places.helpFile, row.expected.helpFile);
    EXPECT_EQ(places.serverListFile, row.expected.serverListFile);
    EXPECT_EQ(places.reportFolder, row.expected.reportFolder);
}

INSTANTIATE_TEST_SUITE_P(
    FilePlaces, FilePlacesTable,
    testing::Values(PlacesRow{"the development run losing its files in the current directory",
                              "/src/lumet/build/release/ui",
                              {},
                              {"lumet.hlp", "random.lst", {}}},
                    PlacesRow{"an installed window looking in the folder it was started from",
                              "/usr/bin",
                              {"/usr/share/lumet/lumet.hlp", "/usr/share/lumet/random.lst"},
                              {"/usr/share/lumet/lumet.hlp", "/usr/share/lumet/random.lst",
                               "/home/ann/Documents/Lumet"}},
                    PlacesRow{
                        "the user's own list ignored",
                        "/usr/bin",
                        {"/usr/share/lumet/lumet.hlp", "/home/ann/Documents/Lumet/random.lst"},
                        {"/usr/share/lumet/lumet.hlp", "/home/ann/Documents/Lumet/random.lst",
                         "/home/ann/Documents/Lumet"}},
                    PlacesRow{"a prefix of its own (/opt) taken for a build tree",
                              "/opt/lumet/bin",
                              {"/opt/lumet/share/lumet/lumet.hlp"},
                              {"/opt/lumet/share/lumet/lumet.hlp",
                               "/opt/lumet/share/lumet/random.lst", "/home/ann/Documents/Lumet"}},
                    PlacesRow{"a program whose folder is unknown treated as installed at /",
                              "",
                              {"share/lumet/lumet.hlp", "../share/lumet/lumet.hlp"},
                              {"lumet.hlp", "random.lst", {}}}));

} // namespace
} // namespace lumet
