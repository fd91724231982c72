#include "update/version_check.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/update/loopback_server.h"
#include "texts/texts.h"
#include "update/file_signature.h"

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

// Writes down every step of the download's progress. The player cancels once cancelAt steps
// have been shown, as the click arrives while the download waits for more.
class RecordedProgress : public DownloadProgress {
  public:
    RecordedProgress(std::vector<qint64>& steps, int cancelAt)
        : steps_(steps), cancelAt_(cancelAt) {}
    void Show(qint64 received, qint64) override {
        steps_.push_back(received);
        if (static_cast<int>(steps_.size()) == cancelAt_) {
            QTimer::singleShot(0, [this] {
                cancelled_ = true;
                if (cancel_) {
                    cancel_();
                }
            });
        }
    }
    bool Cancelled() const override { return cancelled_; }
    void WhenCancelled(std::function<void()> cancel) override { cancel_ = std::move(cancel); }
    bool TakesInput() const override { return false; }

  private:
    std::vector<qint64>& steps_;
    int cancelAt_;
    bool cancelled_ = false;
    std::function<void()> cancel_;
};

// A version check against a loopback server named by PIPWICK_UPDATE_URL, downloading into a
// folder of its own and trusting a key pair of its own; it records the programs it is asked to
// start, the requests to quit and the download's progress.
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
        services.releaseKey = keys.publicKey;
        services.showProgress = [this](QWidget*) {
            return std::make_unique<RecordedProgress>(progress, cancelAt);
        };
    }
    void TearDown() override { qunsetenv("PIPWICK_UPDATE_URL"); }

    void Run() { CheckForNewVersion(state, nullptr, services); }
    QStringList FolderEntries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    }
    // The detached signature of bytes under key.
    static QByteArray SignatureOf(const QByteArray& bytes, const SecretKey& key) {
        QTemporaryDir scratch;
        const QString path = QDir(scratch.path()).filePath("signed");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        const std::optional<Signature> signature = SignFile(path.toStdString(), key);
        EXPECT_TRUE(signature.has_value());
        return signature ? QByteArray(reinterpret_cast<const char*>(signature->data()),
                                      static_cast<qsizetype>(signature->size()))
                         : QByteArray();
    }
    void ServeNewVersionAndInstaller(const LoopbackServer::Answer& installer) {
        server.Serve("/inst/pwv.txt", {200, "3.2"});
        server.Serve("/inst/pwinst.exe", installer);
        server.Serve("/inst/pwinst.exe.sig", {200, SignatureOf(installer.body, keys.secretKey)});
        messages.answer = true;
    }

    GameState state;
    LoopbackServer server;
    QTemporaryDir folder;
    KeyPair keys = MakeKeyPair();
    RecordedMessages messages;
    VersionCheckServices services;
    std::vector<QString> started;
    std::vector<qint64> progress;
    int cancelAt = 0;
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

TEST_F(VersionCheckTest, YesDownloadsASignedInstallerIntoAPrivateFolderStartsItAndQuits) {
    const QByteArray bytes = InstallerBytes();
    ServeNewVersionAndInstaller({200, bytes});
    Run();
    EXPECT_EQ(messages.shown, std::vector<QString>{kQuestion});
    ASSERT_EQ(started.size(), 1u);
    const QFileInfo installer(started[0]);
    EXPECT_EQ(installer.fileName(), "pwinst.exe");
    // A folder made for this download, inside the download folder, that only the user may enter.
    const QFileInfo privateFolder(installer.absolutePath());
    EXPECT_EQ(privateFolder.absolutePath(), QFileInfo(folder.path()).absoluteFilePath());
    const QFileDevice::Permissions ownerGroupOther(0x7077);
    EXPECT_EQ(privateFolder.permissions() & ownerGroupOther,
              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile file(installer.filePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll() == bytes);
    EXPECT_TRUE(file.permissions() & QFileDevice::ExeOwner);
    EXPECT_EQ(quits, 1);
    ASSERT_FALSE(progress.empty());
    EXPECT_EQ(progress.back(), bytes.size());

    ASSERT_EQ(server.Requests().size(), 3u);
    EXPECT_EQ(server.Requests()[1].path, "/inst/pwinst.exe.sig");
    const LoopbackServer::Request& download = server.Requests()[2];
    EXPECT_EQ(download.path, "/inst/pwinst.exe");
    EXPECT_EQ(download.userAgent, "Quellmoor");
    EXPECT_EQ(download.cacheControl, "no-cache");
    // The wait cursor shows while the server is asked and is gone once the check is over.
    EXPECT_TRUE(server.Requests()[0].waitCursorShown);
    EXPECT_TRUE(download.waitCursorShown);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// A link planted where the installer used to be saved is neither followed nor in the way.
TEST_F(VersionCheckTest, ALinkPlantedInTheDownloadFolderIsLeftAlone) {
    const QString victim = QDir(folder.path()).filePath("victim");
    QFile victimFile(victim);
    ASSERT_TRUE(victimFile.open(QIODevice::WriteOnly));
    victimFile.write("keep");
    victimFile.close();
    const QString planted = QDir(folder.path()).filePath("pwinst.exe");
    ASSERT_TRUE(QFile::link(victim, planted));
    ServeNewVersionAndInstaller({200, "new installer"});
    Run();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_NE(QFileInfo(started[0]).absoluteFilePath(), QFileInfo(planted).absoluteFilePath());
    ASSERT_TRUE(victimFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(victimFile.readAll(), "keep");
    EXPECT_TRUE(QFileInfo(planted).isSymLink());
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

// Each case is one way the download goes wrong. None starts anything, each ends in its message,
// and the download folder is left as it was: the private folder goes with its files.
TEST_F(VersionCheckTest, AnInstallerThatIsNotWholeAndSignedIsDeletedAndNeverStarted) {
    const QByteArray bytes = InstallerBytes();
    const QByteArray good = SignatureOf(bytes, keys.secretKey);
    const QByteArray otherKeys = SignatureOf(bytes, MakeKeyPair().secretKey);
    QByteArray changed = bytes;
    changed[1000] = static_cast<char>(changed[1000] ^ 1);
    const LoopbackServer::Answer missing{404, "<html>404</html>"};
    struct Case {
        const char* name;
        LoopbackServer::Answer installer;
        LoopbackServer::Answer signature;
        QString message;
        qint64 sizeCap = kInstallerSizeCap;
        int deadlineMs = 5000;
    };
    const Case cases[] = {
        {"not found", missing, {200, good}, kFileError},
        {"server error", {500, bytes}, {200, good}, kFileError},
        {"cut in the middle", {200, bytes, Behaviour::kCutHalfway}, {200, good}, kFileError},
        {"stalled in the middle", {200, bytes, Behaviour::kStallHalfway}, {200, good}, kFileError},
        {"no length", {200, bytes, Behaviour::kNoLength}, {200, good}, kFileError},
        {"longer than announced",
         {200, bytes, Behaviour::kLongerThanSaid},
         {200, good},
         kFileError},
        {"dripping",
         {200, bytes, Behaviour::kDrip},
         {200, good},
         kFileError,
         kInstallerSizeCap,
         200},
        {"over the size cap", {200, bytes}, {200, good}, kFileError, bytes.size() - 1},
        {"no answer", {200, bytes, Behaviour::kSilent}, {200, good}, kCantConnect},
        {"signature missing", {200, bytes}, missing, kFileError},
        {"signature of other keys", {200, bytes}, {200, otherKeys}, kFileError},
        {"signature of other bytes", {200, changed}, {200, good}, kFileError},
        {"signature cut short", {200, bytes}, {200, good.left(63)}, kFileError},
        {"signature too long", {200, bytes}, {200, good + "x"}, kFileError},
        {"signature without a length", {200, bytes}, {200, good, Behaviour::kNoLength}, kFileError},
        {"signature not answered", {200, bytes}, {200, good, Behaviour::kSilent}, kCantConnect},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer one;
        qputenv("PIPWICK_UPDATE_URL", one.BaseUrl().toUtf8());
        one.Serve("/inst/pwv.txt", {200, "3.2"});
        one.Serve("/inst/pwinst.exe", c.installer);
        one.Serve("/inst/pwinst.exe.sig", c.signature);
        RecordedMessages answers;
        answers.answer = true;
        services.messages = &answers;
        services.sizeCap = c.sizeCap;
        services.deadlineMs = c.deadlineMs;
        Run();
        EXPECT_EQ(answers.shown, (std::vector<QString>{kQuestion, c.message}));
        EXPECT_TRUE(FolderEntries().isEmpty()) << FolderEntries().join(", ").toStdString();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_TRUE(started.empty());
    EXPECT_EQ(quits, 0);
}

// The server sends half the installer and then nothing: the Cancel ends the wait at once, long
// before the server would be given up.
TEST_F(VersionCheckTest, CancelEndsTheDownloadQuietlyAndLeavesNothing) {
    ServeNewVersionAndInstaller({200, InstallerBytes(), Behaviour::kStallHalfway});
    services.timeoutMs = 60000;
    services.deadlineMs = 60000;
    cancelAt = 1;
    bool stillWaiting = false;
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [&] { stillWaiting = true; });
    giveUp.start(20000);
    Run();
    EXPECT_FALSE(stillWaiting);
    EXPECT_EQ(messages.shown, std::vector<QString>{kQuestion});
    EXPECT_FALSE(progress.empty());
    EXPECT_TRUE(FolderEntries().isEmpty());
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

TEST(UpdateServer, PlainHttpReachesOnlyThisMachine) {
    const struct {
        const char* url;
        bool allowed;
    } cases[] = {
        {"https://www.quellmoor.example/inst/pwv.txt", true},
        {"https://192.0.2.7:8443/inst/pwv.txt", true},
        {"http://127.0.0.1:9/inst/pwv.txt", true},
        {"http://localhost:9/inst/pwv.txt", true},
        {"http://[::1]:9/inst/pwv.txt", true},
        {"http://www.quellmoor.example/inst/pwv.txt", false},
        {"http://192.0.2.7/inst/pwv.txt", false},
        {"http://localhost.quellmoor.example/inst/pwv.txt", false},
        {"ftp://127.0.0.1/inst/pwv.txt", false},
        {"file:///inst/pwv.txt", false},
        {"not a url", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsAllowedUpdateUrl(QUrl(QString::fromLatin1(c.url))), c.allowed) << c.url;
    }
}

TEST_F(VersionCheckTest, APlainHttpServerElsewhereIsNeverAsked) {
    qputenv("PIPWICK_UPDATE_URL", "http://192.0.2.7");
    Run();
    EXPECT_EQ(messages.shown, std::vector<QString>{kCantConnect});
    EXPECT_TRUE(server.Requests().empty());
}

TEST(UpdateServer, TheEnvironmentReplacesTheProgramsOwnServer) {
    qunsetenv("PIPWICK_UPDATE_URL");
    EXPECT_TRUE(UpdateServerUrl().startsWith("https://"));
    qputenv("PIPWICK_UPDATE_URL", "http://127.0.0.1:9");
    EXPECT_EQ(UpdateServerUrl(), "http://127.0.0.1:9");
    qunsetenv("PIPWICK_UPDATE_URL");
}

// Only a regular file is signed or checked: a FIFO or a folder in the installer's place is never
// waited on, and fails like a file that cannot be read.
TEST(FileSignature, OnlyARegularFileIsSignedOrChecked) {
    QTemporaryDir folder;
    const KeyPair keys = MakeKeyPair();
    const QString file = QDir(folder.path()).filePath("installer");
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::WriteOnly));
    written.write("an installer");
    written.close();
    const std::optional<Signature> signature = SignFile(file.toStdString(), keys.secretKey);
    ASSERT_TRUE(signature.has_value());
    EXPECT_TRUE(FileSignatureVerifies(file.toStdString(), *signature, keys.publicKey));

    const QString fifo = QDir(folder.path()).filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo), 0600), 0);
    for (const QString& path : {fifo, folder.path()}) {
        EXPECT_FALSE(SignFile(path.toStdString(), keys.secretKey).has_value());
        EXPECT_FALSE(FileSignatureVerifies(path.toStdString(), *signature, keys.publicKey));
    }
}

}  // namespace
}  // namespace pipwick
