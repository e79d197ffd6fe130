#include "platform/files/ReplaceFileContents.h"

#include "platform/files/TemporaryName.h"
#include "platform/files/win32/UniqueHandle.h"

#include <algorithm>
#include <random>

namespace lumet {

namespace {

std::error_code LastError() {
    return {static_cast<int>(GetLastError()), std::system_category()};
}

// Creates a temporary file beside `file` that no other writer is using: CREATE_NEW
// never takes over an existing name, whether a file or a planted link.
UniqueHandle CreateTemporaryBeside(const std::filesystem::path& file,
                                   std::filesystem::path& tempPath, std::error_code& why) {
    constexpr int kAttempts = 16;
    std::random_device entropy;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        tempPath = TemporaryNameBeside(file, entropy);
        UniqueHandle handle(CreateFileW(tempPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
        if (handle.Valid()) {
            return handle;
        }
        const DWORD error = GetLastError();
        why = {static_cast<int>(error), std::system_category()};
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            break; // the folder itself is unusable; other names will not help
        }
    }
    tempPath.clear();
    return {};
}

bool WriteAll(UniqueHandle file, std::span<const std::uint8_t> bytes, std::error_code& why) {
    constexpr std::size_t kMaxWrite = 1u << 30;
    bool written = true;
    for (std::size_t done = 0; written && done < bytes.size();) {
        const auto wanted = static_cast<DWORD>(std::min(bytes.size() - done, kMaxWrite));
        DWORD count = 0;
        written =
            WriteFile(file.Get(), bytes.data() + done, wanted, &count, nullptr) != 0 && count > 0;
        if (!written) {
            why = LastError();
        }
        done += count;
    }
    // A failed close can mean the data never reached the disk, so it counts too.
    if (!file.Close() && written) {
        why = LastError();
        written = false;
    }
    return written;
}

} // namespace

bool ReplaceFileContents(const std::filesystem::path& file, std::span<const std::uint8_t> bytes,
                         std::error_code* why) {
    std::error_code error;
    std::filesystem::path tempPath;
    UniqueHandle temp = CreateTemporaryBeside(file, tempPath, error);
    bool ok = temp.Valid() && WriteAll(std::move(temp), bytes, error);
    // MOVEFILE_REPLACE_EXISTING swaps the name over in one step, as rename() does.
    if (ok && MoveFileExW(tempPath.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING) == 0) {
        error = LastError();
        ok = false;
    }
    if (!ok && why != nullptr) {
        *why = error;
    }
    if (!ok && !tempPath.empty()) {
        DeleteFileW(tempPath.c_str());
    }
    return ok;
}

} // namespace lumet
