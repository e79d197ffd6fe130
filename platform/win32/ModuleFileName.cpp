#include "platform/win32/ModuleFileName.h"

#include "platform/win32/Win32Api.h"

#include <string>

namespace lumet {

std::filesystem::path ProgramFile() {
    // A path may be longer than MAX_PATH; the buffer grows until the name fits
    // (a cut name fills the buffer exactly).
    std::wstring program(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
        if (length == 0) {
            return {};
        }
        if (length < program.size()) {
            program.resize(length);
            return std::filesystem::path(program);
        }
        program.resize(program.size() * 2);
    }
}

} // namespace lumet
