#include "report/TextReport.h"

#include "platform/files/ReplaceFileContents.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string_view>

namespace lumet {
namespace {

constexpr std::uint32_t kFailedSample = ReportData::kFailedSample;
constexpr int kHistorySlots = static_cast<int>(std::tuple_size_v<decltype(ReportData::history)>);

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

// The history keeps only the newest samples; in a stay-alive test more probes
// than that were sent, so the lines carry the real probe numbers of the samples
// still held rather than restarting at 1.
void AppendHistoryLines(std::string& text, const ReportData& data) {
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

} // namespace

std::string FormatTextReport(const ReportData& data) {
    const std::int64_t returned =
        static_cast<std::int64_t>(data.probeCount) - static_cast<std::int64_t>(data.errorCount);

    std::string text;
    text += "LUMET REPORT\n\n";
    text += "test performed on " + data.StartTimeText() + " UTC";
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

bool WriteTextReport(const ReportData& data, const std::filesystem::path& file,
                     MessageBoxes& messages, std::error_code* why) {
    const std::string text = FormatTextReport(data);
    const auto* const bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    if (!ReplaceFileContents(file, std::span(bytes, text.size()), why)) {
        messages.ShowApplicationMessage("Failed to create TXT report");
        return false;
    }
    return true;
}

} // namespace lumet
