#include "platform/files/ReadRegularFile.h"

#include "platform/files/win32/UniqueHandle.h"

#include <algorithm>
#include <array>
#include <system_error>

namespace lumet {

std::optional<std::string> ReadRegularFile(const std::filesystem::path& path,
                                           std::uintmax_t maxBytes, std::string* why) {
    const auto refuse = [why](std::string reason) -> std::optional<std::string> {
        if (why != nullptr) {
            *why = std::move(reason);
        }
        return std::nullopt;
    };
    const auto systemError = [&refuse] {
        return refuse(std::system_category().message(static_cast<int>(GetLastError())));
    };
    // Opening a directory would fail with "Access is denied"; say what it is instead.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return refuse("not a regular file");
    }
    const UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return systemError();
    }
    // Pipes, consoles and devices open like files; only a file on disk has an end.
    if (GetFileType(file.Get()) != FILE_TYPE_DISK) {
        return refuse("not a regular file");
    }
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.Get(), &size) == 0) {
        return systemError();
    }
    if (static_cast<std::uintmax_t>(size.QuadPart) > maxBytes) {
        return refuse("larger than " + std::to_string(maxBytes / (1024 * 1024)) + " MiB");
    }
    std::string contents;
    std::array<char, 4096> chunk{};
    while (contents.size() < maxBytes) {
        const auto wanted =
            static_cast<DWORD>(std::min<std::uintmax_t>(chunk.size(), maxBytes - contents.size()));
        DWORD count = 0;
        if (ReadFile(file.Get(), chunk.data(), wanted, &count, nullptr) == 0 || count == 0) {
            // A read error ends the contents like the end of the file does.
            break;
        }
        contents.append(chunk.data(), count);
    }
    return contents;
}

} // namespace lumet
