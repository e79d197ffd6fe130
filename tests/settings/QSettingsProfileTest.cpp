#include "platform/profile/QSettingsProfile.h"

#include "app/SettingsStore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace lumet {
namespace {

class QSettingsProfileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

    std::string PathOf(const char* name) const { return dir_.filePath(name).toStdString(); }

    static QByteArray ReadBytes(const std::string& path) {
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
        return file.readAll();
    }

    static void WriteBytes(const std::string& path, const QByteArray& bytes) {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path;
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // QSettings shares what it parsed per path within the process; a copy under a
    // new name is read from disk.
    std::string FreshCopyOf(const std::string& path) {
        const std::string copy = PathOf("copy") + std::to_string(++copies_) + ".ini";
        EXPECT_TRUE(QFile::copy(QString::fromStdString(path), QString::fromStdString(copy)));
        return copy;
    }

    QStringList Entries() const {
        return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QTemporaryDir dir_;
    int copies_ = 0;
};

PingSettings SampleSettings() {
    PingSettings settings;
    settings.PingInterval = 3;
    settings.StayAliveInterval = 45;
    settings.PingCount = 100;
    settings.PacketSize = 1400;
    settings.TTL = 64;
    settings.TimeOut = 2500;
    settings.LastIPAddr = "127.0.0.2";
    settings.LastDNAddr = "localhost";
    return settings;
}

TEST_F(QSettingsProfileTest, SettingsSurviveRoundTripThroughFile) {
    const std::string path = PathOf("profile.ini");
    {
        QSettingsProfile profile(path);
        ASSERT_TRUE(SettingsStore::SaveSettings(profile, SampleSettings(), WindowPosition{-7, 33}));
    }
    QSettingsProfile reread(FreshCopyOf(path));
    PingSettings loaded;
    SettingsStore::LoadSettings(reread, loaded);
    EXPECT_EQ(loaded.PingInterval, 3);
    EXPECT_EQ(loaded.StayAliveInterval, 45);
    EXPECT_EQ(loaded.PingCount, 100);
    EXPECT_EQ(loaded.PacketSize, 1400);
    EXPECT_EQ(loaded.TTL, 64);
    EXPECT_EQ(loaded.TimeOut, 2500);
    EXPECT_EQ(loaded.LastIPAddr, "127.0.0.2");
    EXPECT_EQ(loaded.LastDNAddr, "localhost");
    EXPECT_EQ(loaded.LeftPos, -7);
    EXPECT_EQ(loaded.TopPos, 33);
}

TEST_F(QSettingsProfileTest, NumbersAreStoredAsPlainIntegersInSectionOnePointZero) {
    const std::string path = PathOf("profile.ini");
    QSettingsProfile profile(path);
    ASSERT_TRUE(SettingsStore::SaveSettings(profile, SampleSettings(), WindowPosition{10, 20}));
    const QByteArray text = ReadBytes(path);
    EXPECT_TRUE(text.startsWith("[1.0]\n")) << text.toStdString();
    for (const char* line :
         {"\nPingInterval=3\n", "\nTimeOut=2500\n", "\nLeftPos=10\n", "\nTopPos=20\n",
          "\nLastIPAddr=127.0.0.2\n", "\nLastDNAddr=localhost\n"}) {
        EXPECT_TRUE(text.contains(line)) << line << " in\n" << text.toStdString();
    }
}

TEST_F(QSettingsProfileTest, AwkwardStringsRoundTrip) {
    const std::string path = PathOf("profile.ini");
    const std::string awkward[] = {
        "",         "a,b",         "semi;colon",         "\"quoted\"",  "@at",
        " padded ", "back\\slash", "gr\xC3\xBC\xC3\x9F", "line\nbreak", "x=y"};
    {
        QSettingsProfile profile(path);
        int index = 0;
        for (const std::string& value : awkward) {
            profile.WriteString("1.0", "S" + std::to_string(index++), value);
        }
        ASSERT_TRUE(profile.Commit());
    }
    QSettingsProfile reread(FreshCopyOf(path));
    int index = 0;
    for (const std::string& value : awkward) {
        EXPECT_EQ(reread.ReadString("1.0", "S" + std::to_string(index++)), value);
    }
}

TEST_F(QSettingsProfileTest, MissingFileReadsAsEmptyProfile) {
    const QSettingsProfile profile(PathOf("absent.ini"));
    EXPECT_EQ(profile.ReadInt("1.0", "PingCount"), std::nullopt);
    EXPECT_EQ(profile.ReadString("1.0", "LastIPAddr"), std::nullopt);
    PingSettings settings;
    SettingsStore::LoadSettings(profile, settings);
    EXPECT_EQ(settings.PingCount, 32);
    EXPECT_EQ(settings.LastIPAddr, "127.0.0.1");
    EXPECT_TRUE(Entries().isEmpty()) << "reading created a file";
}

TEST_F(QSettingsProfileTest, HandEditedValuesAreClampedOrIgnored) {
    const std::string path = PathOf("profile.ini");
    WriteBytes(path, "[1.0]\n"
                     "PingInterval=0\n"
                     "StayAliveInterval=-25\n"
                     "PingCount=12abc\n"
                     "PacketSize=99999999999999999999999\n"
                     "TTL=\n"
                     "TimeOut=99999999\n"
                     "LastIPAddr=127.0.0.3\n"
                     "LeftPos=  -12 \n"
                     "TopPos=1,2\n");
    const QSettingsProfile profile(path);
    PingSettings settings;
    SettingsStore::LoadSettings(profile, settings);
    EXPECT_EQ(settings.PingInterval, 1);
    EXPECT_EQ(settings.StayAliveInterval, 10);
    EXPECT_EQ(settings.PingCount, 32);
    EXPECT_EQ(settings.PacketSize, 65535);
    EXPECT_EQ(settings.TTL, 32);
    EXPECT_EQ(settings.TimeOut, 10000);
    EXPECT_EQ(settings.LastIPAddr, "127.0.0.3");
    EXPECT_EQ(settings.LeftPos, -12);
    EXPECT_EQ(settings.TopPos, std::nullopt);
}

TEST_F(QSettingsProfileTest, StagedValuesReadBackBeforeCommit) {
    const std::string path = PathOf("profile.ini");
    QSettingsProfile profile(path);
    profile.WriteInt("1.0", "PingCount", 77);
    profile.WriteString("1.0", "LastDNAddr", "localhost");
    EXPECT_EQ(profile.ReadInt("1.0", "PingCount"), 77);
    EXPECT_EQ(profile.ReadString("1.0", "LastDNAddr"), "localhost");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(path)));
    ASSERT_TRUE(profile.Commit());
    EXPECT_EQ(profile.ReadInt("1.0", "PingCount"), 77);
    EXPECT_TRUE(ReadBytes(path).contains("PingCount=77"));
}

TEST_F(QSettingsProfileTest, GarbageFileLoadsDefaultsAndIsReplacedOnSave) {
    const std::string path = PathOf("profile.ini");
    static const char kHeader[] = "\x7f"
                                  "ELF\x02\x01[1.0\n=\n\xff\xfe\x00\x00PingCount\n[\n;;\"\\";
    QByteArray garbage(kHeader, sizeof(kHeader) - 1);
    for (int i = 0; i < 4096; ++i) {
        garbage.append(static_cast<char>((i * 7919 + 13) % 256));
    }
    WriteBytes(path, garbage);

    QSettingsProfile profile(path);
    PingSettings settings;
    SettingsStore::LoadSettings(profile, settings);
    EXPECT_EQ(settings.PingInterval, 1);
    EXPECT_EQ(settings.PingCount, 32);
    EXPECT_EQ(settings.TimeOut, 1000);
    EXPECT_EQ(settings.LastIPAddr, "127.0.0.1");

    // The unreadable old file must not make a successful save look failed.
    settings.PingCount = 50;
    ASSERT_TRUE(SettingsStore::SaveSettings(profile, settings, WindowPosition{1, 2}));
    QSettingsProfile reread(FreshCopyOf(path));
    EXPECT_EQ(reread.ReadInt("1.0", "PingCount"), 50);
    EXPECT_EQ(reread.ReadInt("1.0", "TopPos"), 2);
}

TEST_F(QSettingsProfileTest, CommitReplacesFileWholeAndLeavesNothingBehind) {
    const std::string path = PathOf("profile.ini");
    QSettingsProfile profile(path);
    ASSERT_TRUE(SettingsStore::SaveSettings(profile, PingSettings{}, WindowPosition{0, 0}));
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);

    ASSERT_TRUE(SettingsStore::SaveSettings(profile, SampleSettings(), WindowPosition{5, 5}));
    struct stat after {};
    ASSERT_EQ(::stat(path.c_str(), &after), 0);
    // A new inode: the content was written to another file and renamed into place,
    // never rewritten in the old one.
    EXPECT_NE(before.st_ino, after.st_ino);
    EXPECT_EQ(Entries(), QStringList{"profile.ini"});
    EXPECT_TRUE(ReadBytes(path).contains("PingCount=100"));
}

TEST_F(QSettingsProfileTest, FailedCommitReturnsFalseAndReadsKeepOldValues) {
    const std::string blocker = PathOf("blocker");
    WriteBytes(blocker, "not a directory\n");
    // The profile's directory cannot be created: its parent is a regular file.
    QSettingsProfile profile(blocker + "/profile.ini");

    EXPECT_FALSE(SettingsStore::SaveSettings(profile, SampleSettings(), WindowPosition{3, 4}));

    EXPECT_EQ(ReadBytes(blocker), "not a directory\n");
    EXPECT_EQ(profile.ReadInt("1.0", "PingCount"), std::nullopt);
    EXPECT_EQ(profile.ReadString("1.0", "LastIPAddr"), std::nullopt);
    EXPECT_EQ(Entries(), QStringList{"blocker"});
}

// Runs Commit on a profile in a directory the writer may not change. As root the
// writer is a child process that has dropped to an unprivileged user.
TEST_F(QSettingsProfileTest, FailedCommitInReadOnlyDirectoryKeepsOldFileIntact) {
    const std::string path = PathOf("profile.ini");
    {
        QSettingsProfile profile(path);
        ASSERT_TRUE(SettingsStore::SaveSettings(profile, PingSettings{}, WindowPosition{8, 9}));
    }
    const QByteArray original = ReadBytes(path);
    const std::string directory = dir_.path().toStdString();

    const auto attemptSave = [&path]() {
        QSettingsProfile profile(path);
        const bool committed =
            SettingsStore::SaveSettings(profile, SampleSettings(), WindowPosition{1, 1});
        return !committed && profile.ReadInt("1.0", "PingCount") == 32;
    };

    if (::geteuid() == 0) {
        ASSERT_EQ(::chmod(directory.c_str(), 0755), 0);
        ASSERT_EQ(::chmod(path.c_str(), 0644), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) {
                ::_exit(2);
            }
            ::_exit(attemptSave() ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 2) {
            GTEST_SKIP() << "cannot drop privileges";
        }
        EXPECT_EQ(WEXITSTATUS(status), 0) << "commit reported success or reads changed";
    } else {
        ASSERT_EQ(::chmod(directory.c_str(), 0555), 0);
        EXPECT_TRUE(attemptSave());
        ASSERT_EQ(::chmod(directory.c_str(), 0700), 0);
    }
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(Entries(), QStringList{"profile.ini"});
}

TEST(QSettingsProfileLocationTest, ApplicationProfileLivesUnderXdgConfigHome) {
    QTemporaryDir config;
    ASSERT_TRUE(config.isValid());
    ASSERT_EQ(::setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1), 0);

    QSettingsProfile profile = QSettingsProfile::ForApplication("Lumet");
    const std::string expected = config.filePath("Orbisk/Lumet.conf").toStdString();
    EXPECT_EQ(profile.Location(), expected);
    profile.WriteInt("1.0", "PingCount", 16);
    ASSERT_TRUE(profile.Commit());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(expected)));
}

} // namespace
} // namespace lumet
