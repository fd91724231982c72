#include "shell/app/help_commands.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <string>
#include <vector>

#include "shell/dialogs/about_box.h"
#include "shell/storage/install_layout.h"
#include "shell/storage/settings_file.h"
#include "tests/shell/odd_files.h"
#include "tests/shell/shell_test_support.h"
#include "texts/texts.h"

namespace pipwick {
namespace {

void WriteFile(const QString& path, const QByteArray& content = "<html></html>") {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Runs action while a modal window it opens is closed as soon as it shows; returns that window's
// title, empty when none opened.
QString CloseModalOpenedBy(const std::function<void()>& action) {
    QString title;
    QTimer::singleShot(0, [&title] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            title = modal->windowTitle();
            modal->close();
        }
    });
    action();
    return title;
}

// The Help commands of a running program, with the test's own opener and messages in place of
// the real ones, and every call written down in order.
struct HelpOnProgram {
    HelpOnProgram() {
        services.messages = &messages;
        services.openUrl = [this](const QUrl& url, std::function<void()> failed) {
            calls.push_back("open " + url.toString().toStdString());
            browserFails = std::move(failed);
            return desktopHasOpener;
        };
        services.minimiseTable = [this] {
            calls.push_back("minimise");
            program.app->Minimise();
        };
        services.restoreTable = [this] {
            calls.push_back("restore");
            program.app->Restore();
        };
        services.executableFolder = folder.path();
        help =
            std::make_unique<HelpCommands>(program.app->State(), &program.app->Human(), services);
        help->Register([this](Command command, std::function<void()> handler) {
            program.app->Human().SetCommandHandler(command, std::move(handler));
        });
    }

    TestProgram program;
    QTemporaryDir folder;
    struct Messages : UpdateMessages {
        std::vector<QString> stops;
        void Tell(QWidget*, const QString&) override {}
        void Stop(QWidget*, const QString& text) override { stops.push_back(text); }
        bool Ask(QWidget*, const QString&) override { return false; }
    } messages;
    HelpServices services;
    bool desktopHasOpener = true;
    std::function<void()> browserFails;
    std::vector<std::string> calls;
    std::unique_ptr<HelpCommands> help;
};

TEST(HelpMenu, TheProgramEnablesItsThreeItemsWithTheirKeys) {
    TestProgram program;
    HumanWindow& human = program.app->Human();
    for (const Command command :
         {Command::kHelpContents, Command::kAbout, Command::kCheckVersion}) {
        EXPECT_TRUE(human.Action(command).isEnabled()) << static_cast<int>(command);
    }
    EXPECT_EQ(human.Action(Command::kHelpContents).shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(human.Action(Command::kAbout).shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
}

TEST(HelpMenu, HelpMinimisesTheTableThenOpensThePageBesideTheExecutable) {
    HelpOnProgram help;
    const QString page = QDir(help.folder.path()).filePath("help/pipwick.html");
    WriteFile(page);
    help.program.app->Human().Action(Command::kHelpContents).trigger();
    const std::vector<std::string> expected = {
        "minimise", "open " + QUrl::fromLocalFile(page).toString().toStdString()};
    EXPECT_EQ(help.calls, expected);
    EXPECT_TRUE(help.program.app->Table().isMinimized());
    EXPECT_TRUE(help.messages.stops.empty());
}

// Without a browser, or with an opener that finds none, the game comes back at once with the page
// in its own window.
TEST(HelpMenu, WithoutABrowserThePageShowsInAWindowOfTheProgram) {
    for (const bool openerStarts : {false, true}) {
        HelpOnProgram help;
        help.desktopHasOpener = openerStarts;
        const QString page = QDir(help.folder.path()).filePath("help/pipwick.html");
        WriteFile(page, "<html><head><title>Help here</title></head><body>Rules</body></html>");
        help.help->ShowHelp();
        if (openerStarts) {
            EXPECT_EQ(help.help->OwnHelpWindow(), nullptr);
            EXPECT_TRUE(help.program.app->Table().isMinimized());
            ASSERT_TRUE(help.browserFails);
            help.browserFails();
        }
        const std::vector<std::string> expected = {
            "minimise", "open " + QUrl::fromLocalFile(page).toString().toStdString(), "restore"};
        EXPECT_EQ(help.calls, expected) << openerStarts;
        EXPECT_FALSE(help.program.app->Table().isMinimized()) << openerStarts;
        EXPECT_FALSE(help.program.app->Human().isMinimized()) << openerStarts;
        EXPECT_TRUE(help.program.app->Opponent(3).isVisible()) << openerStarts;
        const HelpWindow* window = help.help->OwnHelpWindow();
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->windowTitle(), QStringLiteral("Help here"));
        EXPECT_TRUE(window->toPlainText().contains(QStringLiteral("Rules")));
        EXPECT_TRUE(help.messages.stops.empty());
        // Escape closes it, as it closes a dialog.
        QTest::keyClick(const_cast<HelpWindow*>(window), Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible());
    }
}

TEST(HelpMenu, AMissingHelpPageIsSaidWithItsPlace) {
    HelpOnProgram help;
    help.help->ShowHelp();
    EXPECT_TRUE(help.calls.empty());
    EXPECT_FALSE(help.program.app->Table().isMinimized());
    ASSERT_EQ(help.messages.stops.size(), 1u);
    EXPECT_TRUE(help.messages.stops[0].startsWith("Can't open the help page "));
    EXPECT_TRUE(help.messages.stops[0].endsWith("help/pipwick.html"));
}

// A FIFO, a folder or a huge file in the page's place is said like a missing page, and nothing
// waits on it or hands it to the browser.
TEST(HelpMenu, AnythingButAFileOfASaneSizeInThePagesPlaceIsNotOpened) {
    const struct {
        const char* what;
        void (*make)(const QString& path);
    } cases[] = {
        {"a FIFO", MakeFifo},
        {"a folder", MakeFolder},
        {"two gigabytes of nothing", MakeTwoGigabytes},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HelpOnProgram help;
        const QString page = QDir(help.folder.path()).filePath("help/pipwick.html");
        QDir().mkpath(QFileInfo(page).absolutePath());
        c.make(page);
        help.help->ShowHelp();
        EXPECT_TRUE(help.calls.empty());
        ASSERT_EQ(help.messages.stops.size(), 1u);
        EXPECT_TRUE(help.messages.stops[0].startsWith("Can't open the help page "));
    }
}

// A picture of the page that is a FIFO is left out; the page shows without waiting on it.
TEST(HelpWindow, APictureThatIsNoFileIsLeftOut) {
    QTemporaryDir folder;
    const QString page = QDir(folder.path()).filePath("pipwick.html");
    WriteFile(page, "<html><body><img src=\"tile.png\">Rules</body></html>");
    ASSERT_EQ(::mkfifo(QFile::encodeName(QDir(folder.path()).filePath("tile.png")), 0600), 0);
    HelpWindow window(nullptr);
    window.ShowPage(page);
    EXPECT_FALSE(window.grab().isNull());
    EXPECT_TRUE(window.toPlainText().contains(QStringLiteral("Rules")));
}

TEST(HelpMenu, ControlDShowsTheAboutBoxUntilItCloses) {
    HelpOnProgram help;
    const QString title = CloseModalOpenedBy(
        [&help] { help.program.app->Human().Action(Command::kAbout).trigger(); });
    EXPECT_EQ(title, "About Pipwick");
}

TEST(AboutBox, ShowsTheIconTheVersionAndTheNoticeAndClosesWithOk) {
    AboutBox box(nullptr);
    EXPECT_EQ(box.windowTitle(), "About Pipwick");
    EXPECT_EQ(box.Version().text(), "Pipwick   -  Version 3.1");
    EXPECT_EQ(box.Notice().text(), QString::fromLatin1(text::kAboutNotice));
    EXPECT_FALSE(box.Icon().pixmap().isNull());
    EXPECT_EQ(box.Ok().text(), "OK");
    // The text lies right of the icon, the notice under the version, the button at the right.
    EXPECT_LT(box.Icon().geometry().right(), box.Version().geometry().left());
    EXPECT_LT(box.Version().geometry().top(), box.Notice().geometry().top());
    EXPECT_LT(box.Version().geometry().right(), box.Ok().geometry().left());
    EXPECT_LE(box.Ok().geometry().right(), box.width());
    // Each line is shown whole.
    for (const QLabel* line : {&box.Version(), &box.Notice()}) {
        EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->width());
        EXPECT_LE(line->geometry().right(), box.width());
    }
    box.show();
    box.Ok().click();
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_FALSE(box.isVisible());
}

// The user's configuration folder, which ProgramFolderOf creates, in a folder of the test's own
// for as long as this lives.
class OwnConfigFolder {
  public:
    OwnConfigFolder()
        : before_(qgetenv("XDG_CONFIG_HOME")),
          wasSet_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
        qputenv("XDG_CONFIG_HOME", folder_.path().toLocal8Bit());
    }
    ~OwnConfigFolder() {
        if (wasSet_) {
            qputenv("XDG_CONFIG_HOME", before_);
        } else {
            qunsetenv("XDG_CONFIG_HOME");
        }
    }
    OwnConfigFolder(const OwnConfigFolder&) = delete;
    OwnConfigFolder& operator=(const OwnConfigFolder&) = delete;

    QString Path() const { return folder_.path(); }

  private:
    QTemporaryDir folder_;
    QByteArray before_;
    bool wasSet_;
};

TEST(InstallLayout, AnInstalledProgramFindsItsHelpAndKeepsItsSettingsWithTheUser) {
    const OwnConfigFolder config;
    QTemporaryDir prefix;
    const QString bin = QDir(prefix.path()).filePath("games");
    QDir().mkpath(bin);
    EXPECT_FALSE(IsInstalledProgram(bin));
    EXPECT_EQ(ProgramFolderOf(bin), bin);

    const QString page = QDir(prefix.path()).filePath("share/games/pipwick/help/pipwick.html");
    WriteFile(page);
    EXPECT_TRUE(IsInstalledProgram(bin));
    EXPECT_EQ(HelpPagePath(bin, QLocale::c()), page);
    // Its own folder can be written here, yet the settings go to the user's folder.
    const QString userFolder = ProgramFolderOf(bin);
    EXPECT_EQ(userFolder, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    EXPECT_TRUE(userFolder.startsWith(config.Path() + QLatin1Char('/')));
    EXPECT_TRUE(QFileInfo(userFolder).isDir());

    // A page beside the executable comes first, as in a portable copy.
    const QString beside = QDir(bin).filePath("help/pipwick.html");
    WriteFile(beside);
    EXPECT_EQ(HelpPagePath(bin, QLocale::c()), beside);
}

// The page in the player's language where there is one, by the most particular name first; any
// other language reads the English page.
TEST(InstallLayout, TheHelpPageIsInThePlayersLanguageWhereThereIsOne) {
    QTemporaryDir prefix;
    const QString bin = QDir(prefix.path()).filePath("games");
    QDir().mkpath(bin);
    const QDir help(QDir(prefix.path()).filePath("share/games/pipwick/help"));
    for (const char* name : {"pipwick.html", "pipwick.es.html", "pipwick.pt_BR.html"}) {
        WriteFile(help.filePath(name));
    }
    const struct {
        const char* locale;
        const char* page;
    } cases[] = {
        {"C", "pipwick.html"},        {"en_US", "pipwick.html"},       {"es_ES", "pipwick.es.html"},
        {"es_MX", "pipwick.es.html"}, {"pt_BR", "pipwick.pt_BR.html"}, {"pt_PT", "pipwick.html"},
        {"de_DE", "pipwick.html"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HelpPagePath(bin, QLocale(QString::fromLatin1(c.locale))).toStdString(),
                  help.filePath(c.page).toStdString())
            << c.locale;
    }
}

// Every picture and link of the help page, in each language, leads to a file that is there, in the
// sources and in the copy beside the built program; every anchor a link names is on the page.
TEST(HelpPage, EveryPictureAndLinkOfThePageIsThere) {
    for (const QString& folder :
         {QStringLiteral(PIPWICK_HELP_SOURCE), QStringLiteral(PIPWICK_EXECUTABLE_FOLDER "/help")}) {
        for (const char* name : {"pipwick.html", "pipwick.es.html", "pipwick.pt_BR.html"}) {
            SCOPED_TRACE((folder + "/" + name).toStdString());
            QFile page(QDir(folder).filePath(name));
            ASSERT_TRUE(page.open(QIODevice::ReadOnly));
            const QString html = QString::fromUtf8(page.readAll());
            EXPECT_TRUE(html.contains("250"));
            int pictures = 0;
            const QRegularExpression reference(R"re((?:src|href)="([^"#:]+)")re");
            for (const auto& match : reference.globalMatch(html)) {
                const QString target = match.captured(1);
                EXPECT_TRUE(QFile::exists(QDir(folder).filePath(target))) << target.toStdString();
                pictures += target.endsWith(".png") ? 1 : 0;
            }
            EXPECT_GE(pictures, 3);
            const QRegularExpression anchor(R"re(href="#([^"]+)")re");
            for (const auto& match : anchor.globalMatch(html)) {
                EXPECT_TRUE(html.contains("id=\"" + match.captured(1) + "\""))
                    << match.captured(1).toStdString();
            }
        }
    }
}

// The help window lays the page out as a page: each picture stands in a paragraph of its own with
// its caption, whole, in the paragraph under it, and every heading and paragraph keeps its text.
TEST(HelpPage, TheHelpWindowShowsEachPictureWithItsCaptionUnderIt) {
    QFile page(QDir(QStringLiteral(PIPWICK_HELP_SOURCE)).filePath("pipwick.html"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    QTextDocument document;
    document.setHtml(html);
    int pictures = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        bool hasPicture = false;
        for (auto part = block.begin(); !part.atEnd(); ++part) {
            hasPicture = hasPicture || part.fragment().charFormat().isImageFormat();
        }
        if (!hasPicture) {
            continue;
        }
        ++pictures;
        EXPECT_EQ(block.text().trimmed(), QString(QChar::ObjectReplacementCharacter));
        const QString caption = block.next().text().simplified();
        EXPECT_FALSE(caption.isEmpty());
        EXPECT_TRUE(caption.endsWith(QLatin1Char('.'))) << caption.toStdString();
        EXPECT_EQ(block.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                  Qt::AlignHCenter);
    }
    EXPECT_EQ(pictures, static_cast<int>(html.count(QStringLiteral("<img "))));
    EXPECT_GE(pictures, 3);
}

}  // namespace
}  // namespace pipwick
