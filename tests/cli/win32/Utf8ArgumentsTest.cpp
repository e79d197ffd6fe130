#include "tools/lumet-cli/win32/Utf8Arguments.h"

#include "tools/lumet-cli/PathText.h"

#include <gtest/gtest.h>

namespace lumet::cli {
namespace {

struct ArgumentsRow {
    const char* fault;
    std::wstring commandLine;
    std::vector<std::string> arguments;
};

class WindowsCommandLine : public testing::TestWithParam<ArgumentsRow> {};

TEST_P(WindowsCommandLine, SplitsAsProgramsDoInUtf8) {
    SCOPED_TRACE(GetParam().fault);
    EXPECT_EQ(Utf8Arguments(GetParam().commandLine.c_str()), GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Utf8Arguments, WindowsCommandLine,
    testing::Values(
        ArgumentsRow{"the program's name taken for the command", L"lumet-cli.exe", {}},
        ArgumentsRow{"a quoted program path split at its space",
                     LR"("C:\Program Files\Lumet\lumet-cli.exe" probe 127.0.0.1)",
                     {"probe", "127.0.0.1"}},
        ArgumentsRow{"a quoted list file split at its space",
                     LR"(lumet-cli random "C:\My lists\eu.lst")",
                     {"random", R"(C:\My lists\eu.lst)"}},
        ArgumentsRow{"a name outside the ANSI code page bent to '?'",
                     L"lumet-cli random \u0441\u043f\u0438\u0441\u043e\u043a.lst",
                     {"random", "\xd1\x81\xd0\xbf\xd0\xb8\xd1\x81\xd0\xbe\xd0\xba.lst"}},
        ArgumentsRow{
            "backslashes before a quote read as a path's", LR"(lumet-cli a\\\"b)", {R"(a\"b)"}}));

TEST(WinPathText, NamesTheFileItsUtf8TextNames) {
    EXPECT_EQ(PathFromText("caf\xc3\xa9\\\xf0\x9f\x8c\x8d.lst").native(),
              L"caf\u00e9\\\U0001F30D.lst");
}

} // namespace
} // namespace lumet::cli
