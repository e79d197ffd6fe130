#include "app/ApplicationName.h"
#include "platform/win32/ModuleFileName.h"
#include "platform/win32/Win32Api.h"
#include "ui/win32/App.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The window takes no options of its own; only the program's name matters.
    lumet::App app(lumet::ApplicationName(lumet::ProgramFile()));
    return app.Run();
}
