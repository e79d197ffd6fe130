#include "platform/export/XdgMailHandOff.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/ui/ReportExportSupport.h"
#include "ui/MailReport.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace lumet {
namespace {

using test::InTemporaryDirectory;
using test::RecordingMessageBoxes;

// Puts `directory` alone on PATH while it lives.
class ScopedPath {
public:
    explicit ScopedPath(const QString& directory) : saved_(qgetenv("PATH")) {
        qputenv("PATH", directory.toLocal8Bit());
    }
    ~ScopedPath() { qputenv("PATH", saved_); }

    ScopedPath(const ScopedPath&) = delete;
    ScopedPath& operator=(const ScopedPath&) = delete;

private:
    QByteArray saved_;
};

// A stand-in for xdg-email on PATH that records its arguments, one a line, and
// exits with a chosen code. No mail is ever sent.
class FakeHandOffProgram {
public:
    explicit FakeHandOffProgram(int exitCode = 0) {
        const std::string script = "#!/bin/sh\nfor argument in \"$@\"; do printf '%s\\n' "
                                   "\"$argument\"; done > '" +
                                   RecordFile() + "'\nexit " + std::to_string(exitCode) + "\n";
        const QString program = bin_.filePath(QStringLiteral("xdg-email"));
        test::WriteFile(program.toStdString(), script);
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString Directory() const { return bin_.path(); }
    bool WasRun() const { return QFile::exists(QString::fromStdString(RecordFile())); }

    std::vector<std::string> Arguments() const {
        std::istringstream lines(test::ReadFile(RecordFile()));
        std::vector<std::string> arguments;
        for (std::string line; std::getline(lines, line);) {
            arguments.push_back(line);
        }
        return arguments;
    }

private:
    std::string RecordFile() const {
        return record_.filePath(QStringLiteral("args")).toStdString();
    }

    QTemporaryDir bin_;
    QTemporaryDir record_;
};

class MailReportTest : public ::testing::Test {
protected:
    std::string HereAsProgramDirectory() const { return directory_.Path().string() + "/"; }

    InTemporaryDirectory directory_;
    RecordingMessageBoxes messages_;
};

TEST_F(MailReportTest, HandsTheSubjectNoteAndPictureToTheMailClient) {
    test::WriteReportPicture();
    FakeHandOffProgram program;
    ScopedPath path(program.Directory());
    XdgMailHandOff mail;
    ASSERT_TRUE(mail.IsAvailable());

    MailReport(mail, HereAsProgramDirectory(), messages_);

    const std::vector<std::string> expected{
        "--subject", "Ping Test",
        "--body",    "Please find attached results of the ping test.",
        "--attach",  HereAsProgramDirectory() + "_report.bmp"};
    EXPECT_EQ(program.Arguments(), expected);
    EXPECT_TRUE(messages_.shown.empty());
}

TEST_F(MailReportTest, WithoutAHandOffProgramOnlyTheNoticeIsShown) {
    test::WriteReportPicture();
    QTemporaryDir emptyBin;
    ScopedPath path(emptyBin.path());
    XdgMailHandOff mail;
    EXPECT_FALSE(mail.IsAvailable());

    MailReport(mail, HereAsProgramDirectory(), messages_);

    ASSERT_EQ(messages_.shown.size(), 1U);
    EXPECT_FALSE(messages_.shown[0].application);
    EXPECT_EQ(messages_.shown[0].caption, "Notification");
    EXPECT_EQ(messages_.shown[0].icon, MessageIcon::Warning);
    // It names what this system needs, not a Windows mail interface.
    EXPECT_NE(messages_.shown[0].text.find("xdg-utils"), std::string::npos);
    EXPECT_EQ(messages_.shown[0].text.find("MAPI"), std::string::npos);
    EXPECT_EQ(messages_.shown[0].text, mail.MissingClientNotice());
    EXPECT_EQ(std::filesystem::current_path(), directory_.Path());
}

TEST_F(MailReportTest, FailingHandOffIsNotReported) {
    test::WriteReportPicture();
    FakeHandOffProgram program(3);
    ScopedPath path(program.Directory());
    XdgMailHandOff mail;
    EXPECT_FALSE(mail.Send("Ping Test", "note", directory_.Path() / "_report.bmp"));
    EXPECT_TRUE(program.WasRun());

    MailReport(mail, HereAsProgramDirectory(), messages_);
    EXPECT_TRUE(messages_.shown.empty());
}

// Stands for a mail client that changes the process's current directory.
class WanderingMail final : public MailHandOff {
public:
    explicit WanderingMail(std::filesystem::path elsewhere) : elsewhere_(std::move(elsewhere)) {}

    std::vector<std::filesystem::path> attachments;

    bool IsAvailable() const override { return true; }
    std::string MissingClientNotice() const override { return {}; }
    bool Send(const std::string&, const std::string&,
              const std::filesystem::path& attachment) override {
        attachments.push_back(attachment);
        std::filesystem::current_path(elsewhere_);
        return true;
    }

private:
    std::filesystem::path elsewhere_;
};

TEST_F(MailReportTest, CurrentDirectoryIsRestoredAfterTheMailClient) {
    test::WriteReportPicture();
    QTemporaryDir elsewhere;
    WanderingMail mail(elsewhere.path().toStdString());

    MailReport(mail, HereAsProgramDirectory(), messages_);

    EXPECT_EQ(mail.attachments.size(), 1U);
    EXPECT_EQ(std::filesystem::current_path(), directory_.Path());
}

TEST_F(MailReportTest, StartedFromElsewhereAttachesThePictureTheReportWrote) {
    test::WriteReportPicture();
    // The program's own directory holds an older picture of another run.
    QTemporaryDir programDirectory;
    test::WriteFile(programDirectory.filePath(QStringLiteral("_report.bmp")).toStdString(), "old");
    WanderingMail mail(directory_.Path());

    MailReport(mail, programDirectory.path().toStdString() + "/", messages_);

    ASSERT_EQ(mail.attachments.size(), 1U);
    EXPECT_EQ(mail.attachments[0], directory_.Path() / "_report.bmp");
}

TEST_F(MailReportTest, MissingPictureIsToldAndNothingIsHandedOver) {
    WanderingMail mail(directory_.Path());

    MailReport(mail, HereAsProgramDirectory(), messages_);

    EXPECT_TRUE(mail.attachments.empty());
    ASSERT_EQ(messages_.shown.size(), 1U);
    EXPECT_EQ(messages_.shown[0].caption, "Notification");
    EXPECT_NE(messages_.shown[0].text.find("_report.bmp"), std::string::npos);
}

} // namespace
} // namespace lumet
