#include "ui/MailReport.h"

#include "ui/ReportFiles.h"

#include <system_error>

namespace lumet {

namespace {

constexpr const char* kNotification = "Notification";
constexpr const char* kPictureMissingText =
    "The report picture _report.bmp could not be found,\nso there is nothing to attach.\n";

} // namespace

void ShowMailNotice(const MailHandOff& mail, MessageBoxes& messages) {
    messages.ShowMessage(kNotification, MessageIcon::Warning, mail.MissingClientNotice());
}

std::optional<std::filesystem::path> ReportAttachment(const std::string& programDirectory) {
    std::error_code error;
    const std::filesystem::path written = std::filesystem::absolute(kReportPictureFile, error);
    if (error || !std::filesystem::is_regular_file(written, error)) {
        return std::nullopt;
    }
    const std::filesystem::path beside = programDirectory + kReportPictureFile;
    // Started from elsewhere, the program directory holds no picture or an older one.
    if (beside.is_absolute() && std::filesystem::equivalent(beside, written, error)) {
        return beside;
    }
    return written;
}

void MailReport(MailHandOff& mail, const std::string& programDirectory, MessageBoxes& messages) {
    if (!mail.IsAvailable()) {
        ShowMailNotice(mail, messages);
        return;
    }
    const std::optional<std::filesystem::path> attachment = ReportAttachment(programDirectory);
    if (!attachment) {
        messages.ShowMessage(kNotification, MessageIcon::Warning, kPictureMissingText);
        return;
    }
    std::error_code error;
    const std::filesystem::path remembered = std::filesystem::current_path(error);
    // The client's answer, a cancel included, is the user's business.
    static_cast<void>(mail.Send(kMailSubject, kMailBody, *attachment));
    if (!remembered.empty()) {
        std::filesystem::current_path(remembered, error);
    }
}

} // namespace lumet
