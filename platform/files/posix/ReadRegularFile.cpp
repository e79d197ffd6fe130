#include "platform/files/ReadRegularFile.h"

#include "platform/posix/UniqueFd.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumet {

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path,
                                           std::uintmax_t maxBytes, std::string* why) {
    const auto refuse = [why](std::string reason) -> std::optional<std::string> {
        if (why != nullptr) {
            *why = std::move(reason);
        }
        return std::nullopt;
    };
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer. It
    // changes nothing for the regular file that is all this reads.
    const UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!file.Valid()) {
        return refuse(std::strerror(errno));
    }
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) {
        return refuse(std::strerror(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return refuse("not a regular file");
    }
    if (static_cast<std::uintmax_t>(status.st_size) > maxBytes) {
        return refuse("larger than " + std::to_string(maxBytes / (1024 * 1024)) + " MiB");
    }
    std::string contents;
    std::array<char, 4096> chunk{};
    while (contents.size() < maxBytes) {
        const std::size_t wanted = static_cast<std::size_t>(
            std::min<std::uintmax_t>(chunk.size(), maxBytes - contents.size()));
        const ssize_t count = ::read(file.Get(), chunk.data(), wanted);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            // A read error ends the contents like the end of the file does.
            break;
        }
        contents.append(chunk.data(), static_cast<std::size_t>(count));
    }
    return contents;
}

} // namespace lumet
