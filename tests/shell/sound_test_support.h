#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "shell/app/application.h"
#include "shell/sound/sound_player.h"
#include "tests/shell/shell_test_support.h"
#include "tests/support/recording_clock.h"

namespace pipwick {

// Writes down what is started and stopped, as "start 138" and "stop 138".
class RecordingOutput : public SoundOutput {
  public:
    bool device = true;
    std::vector<std::string> events;

    bool HasDevice() override { return device; }
    void Start(int32_t wave) override { events.push_back("start " + std::to_string(wave)); }
    void Stop(int32_t wave) override { events.push_back("stop " + std::to_string(wave)); }
};

// A running program whose sounds are recorded and whose preference dialogs the test fills in:
// fillIn does what the person would, and the dialog ends as its buttons were pressed (Cancel when
// none was). Its screen keeps its width and what it would start is only written down.
struct PreferencesProgram {
    explicit PreferencesProgram(const std::vector<std::string>& lines = {},
                                ScreenSize screen = {1024, 768})
        : settings(lines) {
        StartupOptions options;
        options.settingsPath = settings.Path();
        options.dataFolder = data.path();
        options.screen = screen;
        options.prompts = &prompts;
        options.clock = &clock;
        options.seeds = &seeds;
        options.sounds = &sounds;
        options.endProgram = [](int) {};
        options.currentScreenWidth = [screen] { return screen.width; };
        options.startProgram = [this](const QString& program, const QStringList& arguments) {
            started.push_back(QStringList{program} + arguments);
        };
        options.runDialog = [this](QDialog& dialog) {
            ++dialogsRun;
            if (fillIn) {
                fillIn(dialog);
            }
            return dialog.result();
        };
        app = std::make_unique<Application>(std::move(options));
    }

    SettingsFolder settings;
    QTemporaryDir data;
    FakePrompts prompts;
    RecordingClock clock;
    RecordingOutput sounds;
    FixedSeeds seeds{7};
    std::function<void(QDialog&)> fillIn;
    int dialogsRun = 0;
    std::vector<QStringList> started;
    std::unique_ptr<Application> app;
};

inline void Press(QDialog& dialog, QDialogButtonBox::StandardButton button) {
    dialog.findChild<QDialogButtonBox*>()->button(button)->click();
}

}  // namespace pipwick
