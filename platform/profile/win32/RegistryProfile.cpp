#include "platform/profile/win32/RegistryProfile.h"

#include "platform/profile/ProfileInteger.h"
#include "platform/win32/Utf16.h"

#include <cstdint>
#include <cstring>
#include <vector>
#include <windows.h>

namespace lumet {

namespace {

class OpenKey {
public:
    OpenKey(const std::wstring& path, bool create) {
        const LSTATUS status =
            create ? RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0,
                                     KEY_READ | KEY_WRITE, nullptr, &key_, nullptr)
                   : RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key_);
        if (status != ERROR_SUCCESS) {
            key_ = nullptr;
        }
    }
    ~OpenKey() {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

// A value as the registry holds it: its type and bytes; type REG_NONE when absent.
struct RawValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

RawValue ReadRaw(HKEY key, const std::wstring& name) {
    RawValue raw;
    DWORD size = 0;
    if (key == nullptr ||
        RegQueryValueExW(key, name.c_str(), nullptr, &raw.type, nullptr, &size) != ERROR_SUCCESS) {
        return {};
    }
    raw.data.resize(size);
    if (RegQueryValueExW(key, name.c_str(), nullptr, &raw.type, raw.data.data(), &size) !=
        ERROR_SUCCESS) {
        return {};
    }
    raw.data.resize(size);
    return raw;
}

bool WriteRaw(HKEY key, const std::wstring& name, const RawValue& raw) {
    if (raw.type == REG_NONE) {
        const LSTATUS status = RegDeleteValueW(key, name.c_str());
        return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
    }
    return RegSetValueExW(key, name.c_str(), 0, raw.type, raw.data.data(),
                          static_cast<DWORD>(raw.data.size())) == ERROR_SUCCESS;
}

std::wstring TextOf(const RawValue& raw) {
    std::wstring text(raw.data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), raw.data.data(), text.size() * sizeof(wchar_t));
    // REG_SZ data normally ends with its NUL; a hand-made value may not.
    while (!text.empty() && text.back() == L'\0') {
        text.pop_back();
    }
    return text;
}

template <typename T> RawValue Packed(DWORD type, T value) {
    RawValue raw{type, std::vector<BYTE>(sizeof value)};
    std::memcpy(raw.data.data(), &value, sizeof value);
    return raw;
}

// An integer value stored in exactly sizeof(T) bytes; nothing for any other size.
template <typename T>
std::optional<std::variant<long long, std::string>> NumberOf(const RawValue& raw) {
    if (raw.data.size() != sizeof(T)) {
        return std::nullopt;
    }
    T number = 0;
    std::memcpy(&number, raw.data.data(), sizeof number);
    return static_cast<long long>(number);
}

RawValue RawOf(const std::variant<long long, std::string>& value) {
    if (const auto* number = std::get_if<long long>(&value)) {
        if (*number >= 0 && *number <= 0xFFFFFFFFLL) {
            return Packed(REG_DWORD, static_cast<std::uint32_t>(*number));
        }
        return Packed(REG_QWORD, static_cast<std::uint64_t>(*number));
    }
    const std::wstring text = Utf16(std::get<std::string>(value));
    RawValue raw{REG_SZ, std::vector<BYTE>((text.size() + 1) * sizeof(wchar_t), 0)};
    std::memcpy(raw.data.data(), text.data(), text.size() * sizeof(wchar_t));
    return raw;
}

} // namespace

RegistryProfile::RegistryProfile(const std::string& applicationName)
    : keyPath_(L"Software\\" + Utf16(kOrganization) + L"\\" + Utf16(applicationName)) {}

std::string RegistryProfile::Location() const {
    return "HKEY_CURRENT_USER\\" + Utf8(keyPath_);
}

const RegistryProfile::Value* RegistryProfile::Staged(const std::string& section,
                                                      const std::string& key) const {
    const auto found = staged_.find(Name{section, key});
    return found == staged_.end() ? nullptr : &found->second;
}

std::optional<RegistryProfile::Value> RegistryProfile::Stored(const std::string& section,
                                                              const std::string& key) const {
    const OpenKey open(keyPath_ + L"\\" + Utf16(section), false);
    const RawValue raw = ReadRaw(open.Get(), Utf16(key));
    switch (raw.type) {
    case REG_DWORD:
        return NumberOf<std::uint32_t>(raw);
    case REG_QWORD:
        return NumberOf<std::uint64_t>(raw);
    case REG_SZ:
    case REG_EXPAND_SZ:
        return Value{Utf8(TextOf(raw))};
    default:
        return std::nullopt;
    }
}

std::optional<long long> RegistryProfile::ReadInt(const std::string& section,
                                                  const std::string& key) const {
    const Value* staged = Staged(section, key);
    const std::optional<Value> value = staged != nullptr ? *staged : Stored(section, key);
    if (!value) {
        return std::nullopt;
    }
    if (const auto* number = std::get_if<long long>(&*value)) {
        return *number;
    }
    return ParseProfileInteger(std::get<std::string>(*value));
}

std::optional<std::string> RegistryProfile::ReadString(const std::string& section,
                                                       const std::string& key) const {
    const Value* staged = Staged(section, key);
    const std::optional<Value> value = staged != nullptr ? *staged : Stored(section, key);
    if (!value) {
        return std::nullopt;
    }
    if (const auto* number = std::get_if<long long>(&*value)) {
        return std::to_string(*number);
    }
    return std::get<std::string>(*value);
}

void RegistryProfile::WriteInt(const std::string& section, const std::string& key,
                               long long value) {
    staged_[Name{section, key}] = value;
}

void RegistryProfile::WriteString(const std::string& section, const std::string& key,
                                  const std::string& value) {
    staged_[Name{section, key}] = value;
}

bool RegistryProfile::Commit() {
    // The registry writes one value at a time. Each value's old content is kept
    // until all are written, so a failure part-way puts the earlier ones back.
    struct Undo {
        std::wstring keyPath;
        std::wstring name;
        RawValue old;
    };
    std::vector<Undo> undo;
    bool ok = true;
    for (const auto& [name, value] : staged_) {
        const std::wstring keyPath = keyPath_ + L"\\" + Utf16(name.first);
        const std::wstring valueName = Utf16(name.second);
        const OpenKey key(keyPath, true);
        if (key.Get() == nullptr) {
            ok = false;
            break;
        }
        RawValue old = ReadRaw(key.Get(), valueName);
        if (!WriteRaw(key.Get(), valueName, RawOf(value))) {
            ok = false;
            break;
        }
        undo.push_back(Undo{keyPath, valueName, std::move(old)});
    }
    if (!ok) {
        for (auto step = undo.rbegin(); step != undo.rend(); ++step) {
            const OpenKey key(step->keyPath, true);
            if (key.Get() != nullptr) {
                WriteRaw(key.Get(), step->name, step->old);
            }
        }
        return false;
    }
    staged_.clear();
    return true;
}

} // namespace lumet
