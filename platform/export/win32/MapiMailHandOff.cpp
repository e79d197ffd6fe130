#include "platform/export/win32/MapiMailHandOff.h"

#include "platform/win32/Utf16.h"

#include <memory>
#include <optional>
#include <system_error>
#include <type_traits>
// clang-format off
#include <windows.h>
#include <mapi.h>
// clang-format on

namespace lumet {

namespace {

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

struct LibraryFreer {
    void operator()(HMODULE library) const { FreeLibrary(library); }
};
using UniqueLibrary = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryFreer>;

// Makes the directory that was current at construction current again at the end
// of the scope.
class CurrentDirectoryKeeper {
public:
    CurrentDirectoryKeeper() {
        std::error_code error;
        directory_ = std::filesystem::current_path(error);
    }
    ~CurrentDirectoryKeeper() {
        std::error_code error;
        if (!directory_.empty()) {
            std::filesystem::current_path(directory_, error);
        }
    }
    CurrentDirectoryKeeper(const CurrentDirectoryKeeper&) = delete;
    CurrentDirectoryKeeper& operator=(const CurrentDirectoryKeeper&) = delete;

private:
    std::filesystem::path directory_;
};

// The text in the ANSI code page; nothing when it lacks one of the characters.
std::optional<std::string> ExactAnsi(std::wstring_view text) {
    // WideCharToMultiByte refuses to report lost characters for UTF-8, which the
    // ANSI code page is when the user turned on "Use Unicode UTF-8"; none are lost.
    if (GetACP() == CP_UTF8) {
        return Utf8(text);
    }
    if (text.empty()) {
        return std::string();
    }
    const int size = static_cast<int>(text.size());
    // No best-fit characters: a look-alike letter would name another file.
    const int count = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, nullptr,
                                          0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(count), '\0');
    BOOL lost = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), size, ansi.data(), count,
                        nullptr, &lost);
    if (count == 0 || lost) {
        return std::nullopt;
    }
    return ansi;
}

// The text in the ANSI code page, with a look-alike or '?' for the characters it
// lacks.
std::string Ansi(std::wstring_view text) {
    if (text.empty()) {
        return std::string();
    }
    const int size = static_cast<int>(text.size());
    const int count =
        WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(count), '\0');
    WideCharToMultiByte(CP_ACP, 0, text.data(), size, ansi.data(), count, nullptr, nullptr);
    return ansi;
}

// The path as the ANSI call can open it. Where a name has characters the code page
// lacks, the short (8.3) path, plain ASCII, stands in when the volume keeps one.
std::string AnsiPath(const std::filesystem::path& path) {
    if (std::optional<std::string> exact = ExactAnsi(path.native())) {
        return *exact;
    }
    const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
    std::wstring shortPath(size, L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), size);
    if (length > 0 && length < size) {
        shortPath.resize(length);
        if (std::optional<std::string> exact = ExactAnsi(shortPath)) {
            return *exact;
        }
    }
    // The mail client will report the attachment missing.
    return Ansi(path.native());
}

} // namespace

bool MapiMailHandOff::IsAvailable() const {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(places_.root, places_.registrationKey.c_str(), 0, KEY_QUERY_VALUE, &opened) !=
        ERROR_SUCCESS) {
        return false;
    }
    const UniqueKey key(opened);
    // Only whether a value is there counts, not what it holds.
    const auto present = [&key](const wchar_t* name) {
        return RegQueryValueExW(key.get(), name, nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS;
    };
    return present(L"MAPI") || present(L"MAPIX");
}

std::string MapiMailHandOff::MissingClientNotice() const {
    return "If you would like to send Lumet results via\n"
           "email - you need to have MAPI compliant \n"
           "email client installed first (for exmaple:\n"
           " Eudora, Outlook, or Outlook Express).\n";
}

bool MapiMailHandOff::Send(const std::string& subject, const std::string& body,
                           const std::filesystem::path& attachment) {
    // Declared first, so the directory is put back after the library is gone too.
    const CurrentDirectoryKeeper keeper;
    // From the system folder only: never a MAPI32.DLL lying in the current
    // directory, which holds the report files.
    const UniqueLibrary library(
        LoadLibraryExW(places_.library.c_str(), nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (library == nullptr) {
        return false;
    }
    const FARPROC entry = GetProcAddress(library.get(), "MAPISendMail");
    if (entry == nullptr) {
        return false;
    }
    // Through void (*)(), the one cast between function types GCC does not warn about.
    const auto sendMail = reinterpret_cast<LPMAPISENDMAIL>(reinterpret_cast<void (*)()>(entry));

    // The ANSI MAPISendMail rather than MAPISendMailW: every Simple MAPI client has
    // it, while the wide one exists only from Windows 8 on, and there the system
    // converts to ANSI for the many clients that lack it anyway.
    std::string ansiSubject = Ansi(Utf16(subject));
    std::string noteText = Ansi(Utf16(body));
    std::string pathName = AnsiPath(attachment);
    std::string fileName = Ansi(attachment.filename().native());

    MapiRecipDesc originator{};
    originator.ulRecipClass = MAPI_ORIG;
    MapiFileDesc file{};
    file.nPosition = ~ULONG{0}; // attached, not placed in the note text
    file.lpszPathName = pathName.data();
    file.lpszFileName = fileName.data();
    MapiMessage message{};
    message.lpszSubject = ansiSubject.data();
    message.lpszNoteText = noteText.data();
    message.lpOriginator = &originator;
    // No recipients: the user addresses the message in the compose window.
    message.nFileCount = 1;
    message.lpFiles = &file;
    // No session (the client logs on as it needs) and no parent window; MAPI_DIALOG
    // shows the compose window rather than sending at once.
    const ULONG result = sendMail(0, 0, &message, MAPI_DIALOG, 0);
    // A cancel in the compose window still means the client took the message over.
    return result == SUCCESS_SUCCESS || result == MAPI_USER_ABORT;
}

} // namespace lumet
