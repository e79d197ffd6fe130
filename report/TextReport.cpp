#include "report/TextReport.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string_view>
#include <system_error>
#include <utility>

namespace lumet {
namespace {

constexpr std::uint32_t kFailedSample = 65535;
constexpr int kHistorySlots =
    static_cast<int>(std::tuple_size_v<decltype(TextReportData::history)>);

// The report is a DOS-style text file on every platform: each "\n", including any
// inside the values, is stored as CR LF.
std::string ToCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')));
    for (const char c : text) {
        if (c == '\n') {
            out += '\r';
        }
        out += c;
    }
    return out;
}

std::string StartTimeWithoutNewline(const std::string& testStartUtc) {
    return testStartUtc.empty() ? std::string{} : testStartUtc.substr(0, testStartUtc.size() - 1);
}

// The history keeps only the newest samples; in a stay-alive test more probes
// than that were sent, so the lines carry the real probe numbers of the samples
// still held rather than restarting at 1.
void AppendHistoryLines(std::string& text, const TextReportData& data) {
    const int listed = std::clamp(data.probeCount, 0, kHistorySlots);
    for (int slot = kHistorySlots - listed; slot < kHistorySlots; ++slot) {
        const int probeNumber = data.probeCount - (kHistorySlots - 1 - slot);
        const std::uint32_t value = data.history[static_cast<std::size_t>(slot)];
        text += std::to_string(probeNumber);
        text += " \t";
        if (value < kFailedSample) {
            text += std::to_string(value) + "\n";
        } else {
            text += std::to_string(value - kFailedSample) + "\tError\n";
        }
    }
}

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

bool WriteAll(FilePtr file, const std::string& bytes) {
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const bool flushed = std::fflush(file.get()) == 0;
    // Buffered data may only reach the disk at close, so its result counts too.
    const bool closed = std::fclose(file.release()) == 0;
    return written && flushed && closed;
}

} // namespace

std::string FormatTextReport(const TextReportData& data) {
    const std::int64_t returned =
        static_cast<std::int64_t>(data.probeCount) - static_cast<std::int64_t>(data.errorCount);

    std::string text;
    text += "LUMET REPORT\n\n";
    text += "test performed on " + StartTimeWithoutNewline(data.testStartUtc) + " UTC";
    text += "\n\nyour connection to: " + data.addressText + "\n";
    text += "\nis rated:\t" + data.verdict + " (" + std::to_string(data.score) + "/100)\n";
    text += "\nPING SENT\t" + std::to_string(data.probeCount) + "\n";
    text += "RETURNED\t" + std::to_string(returned) + " (" +
            std::to_string(data.returnedPercentage) + "%)\n\n";
    text += "your IP address: " + data.localAddressText + "\n\n";
    if (!data.domainName.empty()) {
        text += "originally queried domain name:\n" + data.domainName + "\n\n";
    }
    text += "LATENCY\n";
    text += "Average RTT\t" + std::to_string(data.averageRtt) + " ms\n";
    text += "Minimum RTT\t" + std::to_string(data.minimumRtt) + " ms\n";
    text += "Maximum RTT\t" + std::to_string(data.maximumRtt) + " ms\n\n";
    if (data.errorCount == 0) {
        text += "No Errors\n";
    } else {
        text += std::string("Error") + (data.errorCount > 1 ? "s" : "") + "\t\t" +
                std::to_string(data.errorCount) + "\n";
    }
    text += "Jitter\t\tn/a\n";
    text += "Lost Packets\tn/a\n\n";
    text += "Frequency:\t" + std::to_string(data.pingInterval) + " sec.\n";
    text += "Timeout:\t" + std::to_string(data.timeOut) + " ms\n";
    text += "TTL:\t\t" + std::to_string(static_cast<int>(data.replyTtl)) + "\n";
    // The ICMP header's 8 bytes count as part of the packet.
    text += "Packet Size:\t" + std::to_string(static_cast<int>(data.replyDataSize) + 8) + "\n\n";
    text += "HISTORY\n";
    text += "Ping\tRTT\n";
    AppendHistoryLines(text, data);
    return ToCrLf(text);
}

bool WriteTextReport(const TextReportData& data, const std::filesystem::path& file,
                     MessageBoxes& messages) {
    // Writing beside the report and renaming over it means a failed write never
    // leaves a truncated report that looks complete, and keeps the previous one.
    std::filesystem::path tempPath;
    FilePtr temp = CreateTemporaryBeside(file, tempPath);
    bool ok = temp != nullptr && WriteAll(std::move(temp), FormatTextReport(data));
    if (ok) {
        std::error_code error;
        std::filesystem::rename(tempPath, file, error);
        ok = !error;
    }
    if (!ok) {
        if (!tempPath.empty()) {
            std::error_code ignored;
            std::filesystem::remove(tempPath, ignored);
        }
        messages.ShowApplicationMessage("Failed to create TXT report");
    }
    return ok;
}

} // namespace lumet
