#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QRect>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "engine/clock.h"
#include "engine/trial_play.h"
#include "shell/app/application.h"
#include "shell/dialogs/prompts.h"

namespace pipwick {

// Answers questions as told and lets every pop-up close at once, writing both down.
class FakePrompts : public Prompts {
  public:
    bool answer = true;
    std::vector<QString> questions;
    std::vector<QString> popups;
    std::vector<Rect> popupPlaces;

    bool AskYesNo(QWidget*, const QString& question) override {
        questions.push_back(question);
        return answer;
    }
    void ShowPopup(QWidget*, const QString& text, const Rect& where) override {
        popups.push_back(text);
        popupPlaces.push_back(where);
    }
    void Warn(QWidget*, const QString& text) override { warnings.push_back(text); }
    QString ChooseGameFile(QWidget*, const QString& title, bool forSave,
                           const QString& folder) override {
        fileDialogs.push_back({title, forSave, folder});
        return chosenFile;
    }
    struct FileDialog {
        QString title;
        bool forSave;
        QString folder;
    };
    std::vector<QString> warnings;
    std::vector<FileDialog> fileDialogs;
    QString chosenFile;
};

// Whether a pop-up has told the end of a hand or of the game.
inline bool HandOverShown(const FakePrompts& prompts) {
    return std::any_of(prompts.popups.begin(), prompts.popups.end(), [](const QString& text) {
        return text.contains(QStringLiteral("over")) ||
               text.startsWith(QStringLiteral("Congratulations"));
    });
}

class FixedSeeds : public SeedSource {
  public:
    explicit FixedSeeds(uint32_t first) : next_(first) {}
    uint32_t DealSeed() override { return next_++; }

  private:
    uint32_t next_;
};

// A settings file in a folder of its own, written line by line as a person would.
class SettingsFolder {
  public:
    explicit SettingsFolder(const std::vector<std::string>& lines = {}) {
        if (lines.empty()) {
            return;
        }
        QFile file(Path());
        file.open(QIODevice::WriteOnly);
        file.write("[pipwick]\n");
        for (const std::string& line : lines) {
            file.write((line + "\n").c_str());
        }
    }
    QString Path() const { return QDir(folder_.path()).filePath(QStringLiteral("pipwick.ini")); }
    QString Read(const char* key) const {
        return QSettings(Path(), QSettings::IniFormat)
            .value(QStringLiteral("pipwick/") + QString::fromLatin1(key))
            .toString();
    }

  private:
    QTemporaryDir folder_;
};

// A running program with a settings file, on a screen of the given size, whose prompts, clock and
// deal seeds are the test's. Its data folder is its own temporary one unless given.
struct TestProgram {
    explicit TestProgram(const std::vector<std::string>& lines = {},
                         ScreenSize screen = {1024, 768}, Clock* clock = nullptr,
                         const QString& gamePath = {}, const QString& dataFolder = {})
        : settings(lines) {
        StartupOptions options;
        options.settingsPath = settings.Path();
        options.dataFolder = dataFolder.isEmpty() ? data.path() : dataFolder;
        options.screen = screen;
        options.gamePath = gamePath;
        options.prompts = &prompts;
        options.clock = clock != nullptr ? clock : &instant;
        options.seeds = &seeds;
        options.endProgram = [this](int code) { exitCodes.push_back(code); };
        options.runDialog = [this](QDialog& dialog) {
            if (fillIn) {
                fillIn(dialog);
            }
            return dialog.result();
        };
        options.currentScreenWidth = [this] { return screenWidth; };
        options.startProgram = [this](const QString& program, const QStringList& arguments) {
            started.push_back(QStringList{program} + arguments);
        };
        screenWidth = screen.width;
        app = std::make_unique<Application>(std::move(options));
    }

    SettingsFolder settings;
    QTemporaryDir data;
    FakePrompts prompts;
    InstantClock instant;
    FixedSeeds seeds{7};
    std::vector<int> exitCodes;
    // What the person does in a modal dialog, which then ends as its buttons were pressed.
    std::function<void(QDialog&)> fillIn;
    // The screen's width as the program would read it now.
    int32_t screenWidth = 0;
    // The programs the program asked to start, each with its arguments.
    std::vector<QStringList> started;
    std::unique_ptr<Application> app;
};

// A game in its second round: the human led and the computer answered.
inline void PlaySome(TestProgram& program) {
    program.app->NewGame();
    program.app->HandSlotClicked(0);
}

inline QPoint Centre(const Rect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

inline Rect ToRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// A person's click on a slot of the human's hand.
inline void ClickHandSlot(Application& app, int slot) {
    QTest::mouseClick(&app.Human().Hand(), Qt::LeftButton, {},
                      Centre(app.Layout().HandSlotRect[slot]));
}

inline void ClickTable(Application& app, const QPoint& point) {
    QTest::mouseClick(&app.Table(), Qt::LeftButton, {}, point);
}

// A key pressed in the human's window once that window has the focus.
inline void PressKey(Application& app, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    app.Human().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&app.Human()));
    QTest::keyClick(&app.Human(), key, modifiers);
}

// The first tile of the human's hand that the rules let him play now, and the first arm it fits.
inline bool FindHumanPlay(Application& app, int& slot, int& arm) {
    const GameState& s = app.State();
    for (slot = 0; slot < HandCount(s, 1); ++slot) {
        for (arm = 0; arm < kArmCount; ++arm) {
            if (!s.ArmDropRect[arm].IsEmpty() &&
                TryHumanPlay(s, app.Layout(), s.Hand[1][slot], arm).accepted) {
                return true;
            }
        }
    }
    return false;
}

inline bool IsOnTable(const GameState& s, int32_t tile) {
    for (const auto& arm : s.Arm) {
        for (const PlacedTile& record : arm) {
            if (record.Tile == tile) {
                return true;
            }
        }
    }
    return false;
}

// The pixels of area in a canvas, row by row.
inline std::vector<uint32_t> AreaPixels(const Canvas& canvas, const Rect& area) {
    std::vector<uint32_t> pixels;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            pixels.push_back(canvas.Pixel(x, y));
        }
    }
    return pixels;
}

}  // namespace pipwick
