#include "platform/export/XdgMailHandOff.h"

#include <QEventLoop>
#include <QProcess>
#include <QStandardPaths>

namespace lumet {

std::string XdgMailHandOff::MissingClientNotice() const {
    return "If you would like to send Lumet results via\n"
           "email - you need to have xdg-utils and an\n"
           "email client installed first (for example:\n"
           " Thunderbird, Evolution or KMail).\n";
}

bool XdgMailHandOff::IsAvailable() const {
    return !QStandardPaths::findExecutable(program_).isEmpty();
}

bool XdgMailHandOff::Send(const std::string& subject, const std::string& body,
                          const std::filesystem::path& attachment) {
    const QString program = QStandardPaths::findExecutable(program_);
    if (program.isEmpty()) {
        return false;
    }
    QProcess process;
    process.setProgram(program);
    // No recipient: the user addresses the message in the compose window.
    process.setArguments({QStringLiteral("--subject"), QString::fromStdString(subject),
                          QStringLiteral("--body"), QString::fromStdString(body),
                          QStringLiteral("--attach"), QString::fromStdString(attachment.string())});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);

    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    process.start();
    if (!process.waitForStarted()) {
        return false;
    }
    if (process.state() != QProcess::NotRunning) {
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

} // namespace lumet
