#include "platform/files/ReplaceFileContents.h"

#include "platform/files/TemporaryName.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <system_error>
#include <unistd.h>

namespace lumet {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Creates a temporary file beside `file` that no other writer is using. O_EXCL never
// takes over an existing name, O_NOFOLLOW never writes through a planted link, and
// mode 0666 lets the umask decide, as for any file the user saves.
FilePtr CreateTemporaryBeside(const std::filesystem::path& file, std::filesystem::path& tempPath,
                              std::error_code& why) {
    constexpr int kAttempts = 16;
    std::random_device entropy;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        tempPath = TemporaryNameBeside(file, entropy);
        const int fd =
            ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0) {
            if (std::FILE* const handle = ::fdopen(fd, "wb")) {
                return FilePtr(handle);
            }
            why.assign(errno, std::generic_category());
            ::close(fd);
            std::error_code ignored;
            std::filesystem::remove(tempPath, ignored);
            break;
        }
        why.assign(errno, std::generic_category());
        if (errno != EEXIST) {
            break; // the directory itself is unusable; other names will not help
        }
    }
    tempPath.clear();
    return nullptr;
}

bool WriteAll(FilePtr file, std::span<const std::uint8_t> bytes, std::error_code& why) {
    const auto failed = [&why] {
        if (!why) {
            why.assign(errno, std::generic_category()); // the first failure says most
        }
        return false;
    };
    // An empty span may have no storage at all, and fwrite must not see a null pointer.
    const bool written = bytes.empty() ||
                         std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size() ||
                         failed();
    const bool flushed = std::fflush(file.get()) == 0 || failed();
    // Buffered data may only reach the disk at close, so its result counts too.
    const bool closed = std::fclose(file.release()) == 0 || failed();
    return written && flushed && closed;
}

} // namespace

bool ReplaceFileContents(const std::filesystem::path& file, std::span<const std::uint8_t> bytes,
                         std::error_code* why) {
    std::error_code error;
    std::filesystem::path tempPath;
    FilePtr temp = CreateTemporaryBeside(file, tempPath, error);
    bool ok = temp != nullptr && WriteAll(std::move(temp), bytes, error);
    if (ok) {
        std::filesystem::rename(tempPath, file, error);
        ok = !error;
    }
    if (!ok && why != nullptr) {
        *why = error;
    }
    if (!ok && !tempPath.empty()) {
        std::error_code ignored;
        std::filesystem::remove(tempPath, ignored);
    }
    return ok;
}

} // namespace lumet
