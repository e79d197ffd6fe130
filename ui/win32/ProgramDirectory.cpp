#include "ui/ProgramDirectory.h"

#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Api.h"

#include <string>

namespace lumet {

std::string LocateProgramDirectory() {
    // A path may be longer than MAX_PATH; the buffer grows until the name fits.
    std::wstring program(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
        if (length == 0) {
            return {};
        }
        if (length < program.size()) {
            program.resize(length);
            break;
        }
        program.resize(program.size() * 2);
    }
    const std::size_t slash = program.find_last_of(L"\\/");
    if (slash == std::wstring::npos) {
        return {};
    }
    return Utf8(std::wstring_view(program).substr(0, slash + 1));
}

} // namespace lumet
