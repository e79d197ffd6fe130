#include "pingtest/ServerList.h"

#include "platform/files/ReadRegularFile.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>

namespace lumet {

namespace {

// Collects the lines of a file read in chunks. A line never holds more than
// kMaxLineLength + 1 bytes (the extra byte for a CR that may still turn out to be
// part of a CR LF line end), so memory stays bounded whatever the file holds.
class LineCollector {
public:
    explicit LineCollector(std::vector<std::string>& entries) : entries_(entries) {}

    bool Full() const { return entries_.size() >= ServerList::kMaxEntries; }

    void Add(char c) {
        if (c == '\n') {
            EndLine(true);
            return;
        }
        if (overlong_) {
            return;
        }
        if (line_.size() > ServerList::kMaxLineLength) {
            overlong_ = true;
            line_.clear();
            return;
        }
        line_.push_back(c);
    }

    // The last line needs no line end; a CR just before the end of the file stays.
    void Finish() { EndLine(false); }

private:
    void EndLine(bool atLineFeed) {
        if (atLineFeed && !line_.empty() && line_.back() == '\r') {
            line_.pop_back();
        }
        if (!overlong_ && !line_.empty() && line_.size() <= ServerList::kMaxLineLength && !Full()) {
            entries_.push_back(line_);
        }
        line_.clear();
        overlong_ = false;
    }

    std::vector<std::string>& entries_;
    std::string line_;
    bool overlong_ = false;
};

} // namespace

bool ServerList::Load(const std::filesystem::path& path, std::string* why) {
    const std::optional<std::string> contents = ReadRegularFile(path, kMaxFileBytes, why);
    if (!contents) {
        return false;
    }
    entries_.clear();
    LineCollector lines(entries_);
    for (const char c : *contents) {
        if (lines.Full()) {
            break;
        }
        lines.Add(c);
    }
    lines.Finish();
    return true;
}

void ServerList::Remove(std::size_t index) {
    if (index < entries_.size()) {
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    }
}

} // namespace lumet
