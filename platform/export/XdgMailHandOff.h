#pragma once

#include "platform/export/MailHandOff.h"

#include <QString>

namespace lumet {

// The hand-off through xdg-email, which starts the desktop's preferred mail client.
// A mail client is available when the hand-off program is found on PATH.
class XdgMailHandOff final : public MailHandOff {
public:
    explicit XdgMailHandOff(QString program = QStringLiteral("xdg-email"))
        : program_(std::move(program)) {}

    bool IsAvailable() const override;
    std::string MissingClientNotice() const override;

    // Waits for the hand-off program to finish. Meanwhile the windows keep being
    // painted and their timers run, but user input waits, so no second hand-off can
    // start inside this one.
    bool Send(const std::string& subject, const std::string& body,
              const std::filesystem::path& attachment) override;

private:
    QString program_;
};

} // namespace lumet
