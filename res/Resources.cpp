#include "res/Resources.h"

#include "res/EmbeddedFile.h"

namespace lumet {

std::span<const std::uint8_t> FindResource(std::string_view path) {
    // A few dozen files, looked up when a window or display is made: a scan will do.
    for (const EmbeddedFile& file : EmbeddedFiles()) {
        if (file.path == path) {
            return file.bytes;
        }
    }
    return {};
}

} // namespace lumet
