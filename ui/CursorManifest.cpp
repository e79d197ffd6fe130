#include "ui/CursorManifest.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace lumet {

namespace {

// Reads the manifest's small piece of JSON: objects, strings, arrays of integers.
// Anything else, or anything malformed, fails the whole read.
class ManifestReader {
public:
    explicit ManifestReader(std::string_view text) : text_(text) {}

    std::optional<CursorEntry> Find(std::string_view id) {
        std::optional<CursorEntry> found;
        const bool read = Object([&](const std::string& key) {
            if (key != id) {
                return Entry(nullptr);
            }
            CursorEntry entry;
            if (!Entry(&entry)) {
                return false;
            }
            found = entry;
            return true;
        });
        Skip();
        if (!read || at_ != text_.size()) {
            return std::nullopt;
        }
        return found;
    }

private:
    template <typename Member> bool Object(Member member) {
        if (!Take('{')) {
            return false;
        }
        if (Take('}')) {
            return true;
        }
        do {
            std::string key;
            if (!String(key) || !Take(':') || !member(key)) {
                return false;
            }
        } while (Take(','));
        return Take('}');
    }

    // One cursor's object; into may be null for an entry that is only read over.
    bool Entry(CursorEntry* into) {
        bool hasImage = false;
        bool hasHotSpot = false;
        CursorEntry entry;
        const bool read = Object([&](const std::string& key) {
            if (key == "image") {
                hasImage = true;
                return String(entry.image);
            }
            if (key == "hotSpot") {
                std::vector<int> values;
                hasHotSpot = Integers(values) && values.size() == 2;
                if (hasHotSpot) {
                    entry.hotSpot = Point{values[0], values[1]};
                }
                return hasHotSpot;
            }
            return false;
        });
        if (!read) {
            return false;
        }
        if (into != nullptr) {
            if (!hasImage || !hasHotSpot || entry.image.empty()) {
                return false;
            }
            *into = entry;
        }
        return true;
    }

    bool Integers(std::vector<int>& values) {
        if (!Take('[')) {
            return false;
        }
        if (Take(']')) {
            return true;
        }
        do {
            Skip();
            int value = 0;
            const char* const begin = text_.data() + at_;
            const auto [end, error] = std::from_chars(begin, text_.data() + text_.size(), value);
            if (error != std::errc() || end == begin) {
                return false;
            }
            at_ += static_cast<std::size_t>(end - begin);
            values.push_back(value);
        } while (Take(','));
        return Take(']');
    }

    bool String(std::string& value) {
        if (!Take('"')) {
            return false;
        }
        while (at_ < text_.size()) {
            const char c = text_[at_++];
            if (c == '"') {
                return true;
            }
            // File names here need no escapes; one is malformed rather than guessed.
            if (c == '\\' || static_cast<unsigned char>(c) < 0x20) {
                return false;
            }
            value += c;
        }
        return false;
    }

    bool Take(char expected) {
        Skip();
        if (at_ < text_.size() && text_[at_] == expected) {
            ++at_;
            return true;
        }
        return false;
    }

    void Skip() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_])) != 0) {
            ++at_;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

} // namespace

std::optional<CursorEntry> FindCursorEntry(std::string_view manifest, std::string_view id) {
    return ManifestReader(manifest).Find(id);
}

} // namespace lumet
