#pragma once

#include "platform/dialogs/MessageBoxes.h"
#include "platform/export/MailHandOff.h"

#include <filesystem>
#include <optional>
#include <string>

namespace lumet {

inline constexpr const char* kMailSubject = "Ping Test";
inline constexpr const char* kMailBody = "Please find attached results of the ping test.";

// Tells the user what mailing needs on this system (MailHandOff::MissingClientNotice).
void ShowMailNotice(const MailHandOff& mail, MessageBoxes& messages);

// The picture to attach: programDirectory + "_report.bmp" when that is the picture
// in the current directory, which the report command wrote (the program was started
// from its own directory); otherwise that written picture, by its absolute path.
// Nothing when the current directory holds no picture.
std::optional<std::filesystem::path> ReportAttachment(const std::string& programDirectory);

// EMAIL: hands _report.bmp to the mail client, with the subject and the note, for
// the user to address and send. Without a mail client only the notice is shown.
// The current directory is the same afterwards, whatever the mail client did.
void MailReport(MailHandOff& mail, const std::string& programDirectory, MessageBoxes& messages);

} // namespace lumet
