#include "ui/ProgramDirectory.h"

#include "platform/win32/ModuleFileName.h"
#include "platform/win32/Utf16.h"

namespace lumet {

std::string LocateProgramDirectory() {
    const std::filesystem::path program = ProgramFile();
    if (!program.has_parent_path()) {
        return {};
    }
    std::wstring directory = program.parent_path().wstring();
    if (directory.empty() || (directory.back() != L'\\' && directory.back() != L'/')) {
        directory += L'\\';
    }
    return Utf8(directory);
}

} // namespace lumet
