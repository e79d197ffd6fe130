#include "tools/lumet-cli/PathText.h"

#include "platform/win32/Utf16.h"

namespace lumet::cli {

std::string PathText(const std::filesystem::path& path) {
    return Utf8(path.native());
}

std::filesystem::path PathFromText(std::string_view text) {
    return std::filesystem::path(Utf16(text));
}

} // namespace lumet::cli
