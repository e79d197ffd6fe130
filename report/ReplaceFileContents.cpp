#include "report/ReplaceFileContents.h"

#include <cstdio>
#include <memory>
#include <string>
#include <system_error>

namespace lumet {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

// Creates a temporary file beside `file` that no other writer is using: an
// exclusive create skips names left behind by an interrupted earlier write.
FilePtr CreateTemporaryBeside(const std::filesystem::path& file, std::filesystem::path& tempPath) {
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        tempPath = file;
        tempPath += "." + std::to_string(attempt) + ".tmp";
        if (std::FILE* const handle = std::fopen(tempPath.string().c_str(), "wbx")) {
            return FilePtr(handle);
        }
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::symlink_status(tempPath, error))) {
            break; // the directory itself is unusable; other names will not help
        }
    }
    tempPath.clear();
    return nullptr;
}

bool WriteAll(FilePtr file, std::span<const std::uint8_t> bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const bool flushed = std::fflush(file.get()) == 0;
    // Buffered data may only reach the disk at close, so its result counts too.
    const bool closed = std::fclose(file.release()) == 0;
    return written && flushed && closed;
}

} // namespace

bool ReplaceFileContents(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    std::filesystem::path tempPath;
    FilePtr temp = CreateTemporaryBeside(file, tempPath);
    if (temp == nullptr) {
        return false;
    }
    bool ok = WriteAll(std::move(temp), bytes);
    if (ok) {
        std::error_code error;
        std::filesystem::rename(tempPath, file, error);
        ok = !error;
    }
    if (!ok) {
        std::error_code ignored;
        std::filesystem::remove(tempPath, ignored);
    }
    return ok;
}

} // namespace lumet
