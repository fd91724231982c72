// Makes the pictures of the score sheet and the statistics in docs/: plays games through the
// program's own commands, the human's seat choosing as an Advanced computer player would, and
// grabs the two windows. Run under a display:
//   xvfb-run -s "-screen 0 1280x1024x24" build/release/shell/pipwick-records-screenshots docs
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "ai/computer_player.h"
#include "engine/game.h"
#include "shell/app/application.h"
#include "shell/windows/statistics_window.h"

namespace {

using namespace pipwick;

// Every pop-up closes at once and every question is answered Yes.
class QuietPrompts : public Prompts {
  public:
    bool AskYesNo(QWidget*, const QString&) override { return true; }
    void ShowPopup(QWidget*, const QString&, const Rect&) override {}
    QString ChooseGameFile(QWidget*, const QString&, bool, const QString&) override { return {}; }
    void Warn(QWidget*, const QString& text) override {
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
    }
};

class CountingSeeds : public SeedSource {
  public:
    uint32_t DealSeed() override { return next_++; }

  private:
    uint32_t next_ = 11;
};

// The human's seat moves until the game is over, or until stopAtScore is reached.
void PlayUntil(Application& app, int32_t stopAtScore) {
    const GameState& s = app.State();
    for (int moves = 0; s.GameInProgress == 1 && moves < 5000; ++moves) {
        if (s.Scores[kHumanSeat] >= stopAtScore || s.Scores[3] >= stopAtScore) {
            return;
        }
        MakeHumanPlay(app.CurrentGame(),
                      ChooseComputerPlay(s, s.Hand[kHumanSeat], Level::Advanced));
    }
}

bool Grab(QWidget& window, const QString& path) {
    QApplication::processEvents();
    const bool saved = window.grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", path.toLocal8Bit().constData());
    return saved;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication qt(argc, argv);
    const QString docs = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    QTemporaryDir folder;
    QFile settings(QDir(folder.path()).filePath(QStringLiteral("pipwick.ini")));
    settings.open(QIODevice::WriteOnly);
    settings.write("[pipwick]\nsound=0\ndelay=0\nspeed=10\n");
    settings.close();

    QuietPrompts prompts;
    InstantClock clock;
    CountingSeeds seeds;
    StartupOptions options;
    options.settingsPath = settings.fileName();
    options.dataFolder = folder.path();
    options.screen = PrimaryScreenSize();
    options.prompts = &prompts;
    options.clock = &clock;
    options.seeds = &seeds;
    options.endProgram = [](int) {};
    bool grabbed = true;
    options.runDialog = [&grabbed, &docs](QDialog& dialog) {
        dialog.show();
        grabbed &= Grab(dialog, QDir(docs).filePath(QStringLiteral("statistics.png")));
        return 0;
    };
    Application app(std::move(options));

    // A season of games of every size, and one game under way for the sheet.
    for (int game = 0; game < 12; ++game) {
        app.ChoosePlayers(2 + game % 3);
        app.NewGame();
        // One game is given up half-way.
        PlayUntil(app, game == 4 ? 120 : 1000);
    }
    app.ChoosePlayers(3);
    app.NewGame();
    PlayUntil(app, 180);
    app.Human().Action(Command::kScoreSheet).trigger();
    grabbed &=
        Grab(*app.Records().SheetWindow(), QDir(docs).filePath(QStringLiteral("score-sheet.png")));
    app.Human().Action(Command::kStatistics).trigger();
    return grabbed ? 0 : 1;
}
