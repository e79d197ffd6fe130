#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace lumet {

// The hosts the random mode draws from: the non-empty lines of the list file, in
// file order. Entries that turn out dead are removed for the rest of the process;
// the file itself is never written.
class ServerList {
public:
    // Draws come from a generator of 0...32767 and are taken modulo the list size,
    // so a longer list would have entries that can never be drawn. Lines beyond
    // this count are ignored.
    static constexpr std::size_t kMaxEntries = 32768;
    // No host name is longer; longer lines are skipped, which also keeps a binary
    // file from filling memory.
    static constexpr std::size_t kMaxLineLength = 255;
    // The most entries of the longest lines fit in this; no list worth reading is larger.
    static constexpr std::size_t kMaxFileBytes = 8 * 1024 * 1024;

    // Replaces the entries with the lines of the file: each line as written, without
    // its line end (LF, or CR LF), empty lines skipped. False when the path is not a
    // regular file of at most kMaxFileBytes (a FIFO, /dev/zero or a directory would
    // keep the caller waiting or reading forever) or cannot be opened; the entries
    // are then left as they were, and `why`, when given, says what was wrong.
    bool Load(const std::filesystem::path& path, std::string* why = nullptr);

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const std::string& operator[](std::size_t index) const { return entries_[index]; }
    const std::vector<std::string>& entries() const { return entries_; }

    void Remove(std::size_t index);

private:
    std::vector<std::string> entries_;
};

} // namespace lumet
