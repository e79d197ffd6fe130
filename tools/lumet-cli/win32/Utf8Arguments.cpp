#include "tools/lumet-cli/win32/Utf8Arguments.h"

#include "platform/win32/Utf16.h"

#include <memory>

// shellapi.h needs the types of windows.h.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

namespace lumet::cli {

namespace {

struct LocalFreeDeleter {
    void operator()(wchar_t** words) const { LocalFree(words); }
};

} // namespace

std::vector<std::string> Utf8Arguments(const wchar_t* commandLine) {
    int count = 0;
    const std::unique_ptr<wchar_t*, LocalFreeDeleter> words(
        CommandLineToArgvW(commandLine, &count));
    std::vector<std::string> arguments;
    for (int i = 1; words != nullptr && i < count; ++i) {
        arguments.push_back(Utf8(words.get()[i]));
    }
    return arguments;
}

} // namespace lumet::cli
