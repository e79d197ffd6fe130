#include "ui/ProgramDirectory.h"

#include <filesystem>
#include <system_error>

namespace lumet {

std::string LocateProgramDirectory() {
    std::error_code error;
    // /proc/self/exe names the program file even when it was started through a link.
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || !program.has_parent_path()) {
        return {};
    }
    std::string directory = program.parent_path().string();
    if (directory.empty() || directory.back() != '/') {
        directory += '/';
    }
    return directory;
}

} // namespace lumet
