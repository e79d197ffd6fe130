#pragma once

#include <filesystem>
#include <string>

namespace lumet {

// Hands a message to the user's mail client, which lets the user address and send
// it. Tests replace it with a recorder.
class MailHandOff {
public:
    virtual ~MailHandOff() = default;

    // Whether a mail client can be reached at all.
    virtual bool IsAvailable() const = 0;

    // When none can: what this system needs installed for mail, in the notice's
    // words and line layout.
    virtual std::string MissingClientNotice() const = 0;

    // Opens the mail client's compose window with the subject, the body and the file
    // attached, and returns once the client has taken the message over. False when
    // it could not be handed over.
    virtual bool Send(const std::string& subject, const std::string& body,
                      const std::filesystem::path& attachment) = 0;
};

} // namespace lumet
