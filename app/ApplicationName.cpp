#include "app/ApplicationName.h"

namespace lumet {

std::string ApplicationName(const std::filesystem::path& executable) {
    std::string name = executable.stem().string();
    // A bare directory or an empty argv[0] would name no profile at all.
    return name.empty() ? std::string("lumet") : name;
}

} // namespace lumet
