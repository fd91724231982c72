#include "update/version_check.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "tests/update/loopback_server.h"
#include "texts/texts.h"

namespace pipwick {
namespace {

using Behaviour = LoopbackServer::Behaviour;

// Every message as it was shown: "tell: ", "stop: " or "ask: " and the text.
class RecordedMessages : public UpdateMessages {
  public:
    bool answer = false;
    std::vector<QString> shown;

    void Tell(QWidget*, const QString& text) override { shown.push_back("tell: " + text); }
    void Stop(QWidget*, const QString& text) override { shown.push_back("stop: " + text); }
    bool Ask(QWidget*, const QString& question) override {
        shown.push_back("ask: " + question);
        return answer;
    }
};

const QString kQuestion = QStringLiteral("ask: ") + text::kNewVersionQuestion;
const QString kNoNewVersion = QStringLiteral("tell: ") + text::kNoNewVersion;
const QString kCantConnect = QStringLiteral("stop: ") + text::kCantConnect;
const QString kSiteOpenError = QStringLiteral("stop: ") + text::kSiteOpenError;
const QString kFileError = QStringLiteral("stop: ") + text::kFileError;

// Bytes no text transfer would keep intact: every byte value, many times over.
QByteArray InstallerBytes() {
    QByteArray bytes;
    for (int i = 0; i < 300000; ++i) {
        bytes.append(static_cast<char>((i * 7 + i / 256) & 0xFF));
    }
    return bytes;
}

// A version check against a loopback server named by PIPWICK_UPDATE_URL, downloading into a
// folder of its own; it records the programs it is asked to start and the requests to quit.
class VersionCheckTest : public testing::Test {
  protected:
    void SetUp() override {
        ResetGameState(state);
        qputenv("PIPWICK_UPDATE_URL", server.BaseUrl().toUtf8());
        services.messages = &messages;
        services.startProgram = [this](const QString& path) {
            started.push_back(path);
            return startSucceeds;
        };
        services.quit = [this] { ++quits; };
        services.downloadFolder = folder.path();
        services.timeoutMs = 400;
    }
    void TearDown() override { qunsetenv("PIPWICK_UPDATE_URL"); }

    void Run() { CheckForNewVersion(state, nullptr, services); }
    QString Installer() const { return QDir(folder.path()).filePath("pwinst.exe"); }
    void ServeNewVersionAndInstaller(const LoopbackServer::Answer& installer) {
        server.Serve("/inst/pwv.txt", {200, "3.2"});
        server.Serve("/inst/pwinst.exe", installer);
        messages.answer = true;
    }

    GameState state;
    LoopbackServer server;
    QTemporaryDir folder;
    RecordedMessages messages;
    VersionCheckServices services;
    std::vector<QString> started;
    bool startSucceeds = true;
    int quits = 0;
};

TEST_F(VersionCheckTest, DuringAGameItRefusesAndAsksTheServerNothing) {
    state.GameInProgress = 1;
    server.Serve("/inst/pwv.txt", {200, "3.2"});
    Run();
    EXPECT_EQ(messages.shown, std::vector<QString>{"tell: " + QString(text::kCheckDuringGame)});
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(VersionCheckTest, OnlyTheFirstThreeBytesSayWhetherTheVersionIsNew) {
    struct Case {
        QByteArray versionFile;
        bool current;
    };
    const Case cases[] = {
        {"3.1", true},  {"3.1 and more", true}, {"3.1\r\n", true}, {"3.2", false},
        {"3.0", false}, {"3.", false},          {"", false},       {"<ht", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.versionFile.toStdString());
        EXPECT_EQ(IsCurrentVersion(c.versionFile), c.current);

        LoopbackServer one;
        qputenv("PIPWICK_UPDATE_URL", one.BaseUrl().toUtf8());
        one.Serve("/inst/pwv.txt", {200, c.versionFile});
        RecordedMessages answers;
        services.messages = &answers;
        Run();
        EXPECT_EQ(answers.shown, std::vector<QString>{c.current ? kNoNewVersion : kQuestion});
        ASSERT_EQ(one.Requests().size(), 1u);
        EXPECT_EQ(one.Requests()[0].path, "/inst/pwv.txt");
        EXPECT_EQ(one.Requests()[0].userAgent, "Pipwick");
        EXPECT_EQ(one.Requests()[0].cacheControl, "no-cache");
    }
}

TEST_F(VersionCheckTest, NoLeavesTheProgramRunningAndWritesNothing) {
    server.Serve("/inst/pwv.txt", {200, "3.2"});
    server.Serve("/inst/pwinst.exe", {200, "installer"});
    messages.answer = false;
    Run();
    EXPECT_EQ(messages.shown, std::vector<QString>{kQuestion});
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(quits, 0);
}

TEST_F(VersionCheckTest, YesDownloadsTheInstallerStartsItAndQuits) {
    const QByteArray bytes = InstallerBytes();
    ServeNewVersionAndInstaller({200, bytes});
    Run();
    EXPECT_EQ(messages.shown, std::vector<QString>{kQuestion});
    QFile installer(Installer());
    ASSERT_TRUE(installer.open(QIODevice::ReadOnly));
    EXPECT_TRUE(installer.readAll() == bytes);
    EXPECT_TRUE(installer.permissions() & QFileDevice::ExeOwner);
    EXPECT_EQ(started, std::vector<QString>{Installer()});
    EXPECT_EQ(quits, 1);

    ASSERT_EQ(server.Requests().size(), 2u);
    const LoopbackServer::Request& download = server.Requests()[1];
    EXPECT_EQ(download.path, "/inst/pwinst.exe");
    EXPECT_EQ(download.userAgent, "Quellmoor");
    EXPECT_EQ(download.cacheControl, "no-cache");
    // The wait cursor shows while the server is asked and is gone once the check is over.
    EXPECT_TRUE(server.Requests()[0].waitCursorShown);
    EXPECT_TRUE(download.waitCursorShown);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(VersionCheckTest, AnOlderInstallerIsReplaced) {
    {
        QFile old(Installer());
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(100000, 'x'));
    }
    ServeNewVersionAndInstaller({200, "new installer"});
    Run();
    QFile installer(Installer());
    ASSERT_TRUE(installer.open(QIODevice::ReadOnly));
    EXPECT_EQ(installer.readAll(), "new installer");
}

TEST_F(VersionCheckTest, AVersionFileThatDoesNotArriveIsAFailureNeverANewVersion) {
    struct Case {
        const char* name;
        LoopbackServer::Answer versionFile;
        QString message;
    };
    const Case cases[] = {
        {"not found", {404, "<html>404</html>"}, kSiteOpenError},
        {"server error", {500, "3.2 went wrong"}, kSiteOpenError},
        {"cut short", {200, "3", Behaviour::kCutHalfway}, kSiteOpenError},
        {"no answer", {200, "3.2", Behaviour::kSilent}, kCantConnect},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer one;
        qputenv("PIPWICK_UPDATE_URL", one.BaseUrl().toUtf8());
        one.Serve("/inst/pwv.txt", c.versionFile);
        RecordedMessages answers;
        answers.answer = true;
        services.messages = &answers;
        Run();
        EXPECT_EQ(answers.shown, std::vector<QString>{c.message});
        EXPECT_EQ(one.Requests().size(), 1u);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(quits, 0);
}

TEST_F(VersionCheckTest, ARefusedConnectionCannotConnect) {
    server.Close();
    messages.answer = true;
    Run();
    EXPECT_EQ(messages.shown, std::vector<QString>{kCantConnect});
}

TEST_F(VersionCheckTest, AnInstallerThatDoesNotArriveWholeIsDeletedAndNeverStarted) {
    const QByteArray bytes = InstallerBytes();
    struct Case {
        const char* name;
        LoopbackServer::Answer installer;
        QString message;
    };
    const Case cases[] = {
        {"not found", {404, "<html>404</html>"}, kFileError},
        {"server error", {500, bytes}, kFileError},
        {"cut in the middle", {200, bytes, Behaviour::kCutHalfway}, kFileError},
        {"stalled in the middle", {200, bytes, Behaviour::kStallHalfway}, kFileError},
        {"no answer", {200, bytes, Behaviour::kSilent}, kCantConnect},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer one;
        qputenv("PIPWICK_UPDATE_URL", one.BaseUrl().toUtf8());
        one.Serve("/inst/pwv.txt", {200, "3.2"});
        one.Serve("/inst/pwinst.exe", c.installer);
        RecordedMessages answers;
        answers.answer = true;
        services.messages = &answers;
        // A stale installer of an earlier check must not survive a failed download either.
        QFile stale(Installer());
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
        stale.close();
        Run();
        EXPECT_EQ(answers.shown, (std::vector<QString>{kQuestion, c.message}));
        EXPECT_EQ(one.Requests().size(), 2u);
        if (c.message == kFileError) {
            EXPECT_FALSE(QFile::exists(Installer()));
        }
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(quits, 0);
}

TEST_F(VersionCheckTest, AFolderThatCannotHoldTheInstallerIsAFileError) {
    ServeNewVersionAndInstaller({200, "installer"});
    // A folder inside a plain file cannot be written, not even by root.
    QFile plain(QDir(folder.path()).filePath("plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    services.downloadFolder = QDir(folder.path()).filePath("plain/inside");
    Run();
    EXPECT_EQ(messages.shown, (std::vector<QString>{kQuestion, kFileError}));
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(quits, 0);
}

TEST_F(VersionCheckTest, AnInstallerThatCannotBeStartedKeepsTheProgramRunning) {
    ServeNewVersionAndInstaller({200, "installer"});
    startSucceeds = false;
    Run();
    EXPECT_EQ(messages.shown, (std::vector<QString>{kQuestion, kFileError}));
    EXPECT_EQ(started.size(), 1u);
    EXPECT_EQ(quits, 0);
}

TEST(UpdateServer, TheEnvironmentReplacesTheProgramsOwnServer) {
    qunsetenv("PIPWICK_UPDATE_URL");
    EXPECT_TRUE(UpdateServerUrl().startsWith("https://"));
    qputenv("PIPWICK_UPDATE_URL", "http://127.0.0.1:9");
    EXPECT_EQ(UpdateServerUrl(), "http://127.0.0.1:9");
    qunsetenv("PIPWICK_UPDATE_URL");
}

}  // namespace
}  // namespace pipwick
