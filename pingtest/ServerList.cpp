#include "pingtest/ServerList.h"

#include "platform/posix/UniqueFd.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
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
    const auto refuse = [why](std::string reason) {
        if (why != nullptr) {
            *why = std::move(reason);
        }
        return false;
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
    if (static_cast<std::uintmax_t>(status.st_size) > kMaxFileBytes) {
        return refuse("larger than " + std::to_string(kMaxFileBytes / (1024 * 1024)) + " MiB");
    }

    entries_.clear();
    LineCollector lines(entries_);
    std::array<char, 4096> chunk{};
    // A file that grows while it is read stops at the same bound.
    std::size_t left = kMaxFileBytes;
    while (!lines.Full() && left > 0) {
        const ssize_t count = ::read(file.Get(), chunk.data(), std::min(chunk.size(), left));
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            // A read error ends the list like the end of the file does.
            break;
        }
        for (ssize_t i = 0; i < count; ++i) {
            lines.Add(chunk[static_cast<std::size_t>(i)]);
        }
        left -= static_cast<std::size_t>(count);
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
