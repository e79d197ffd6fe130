#include "app/ApplicationName.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Api.h"
#include "ui/win32/App.h"

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The window takes no options of its own; only the program's name matters.
    std::wstring program(MAX_PATH, L'\0');
    DWORD length = 0;
    for (;;) {
        length = GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
        if (length < program.size()) {
            break;
        }
        program.resize(program.size() * 2);
    }
    program.resize(length);
    lumet::App app(lumet::ApplicationName(std::filesystem::path(program)));
    return app.Run();
}
