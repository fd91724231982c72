#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "engine/clock.h"
#include "shell/app/preference_commands.h"
#include "shell/dialogs/prompts.h"
#include "shell/sound/sound_player.h"
#include "shell/windows/window_rects.h"

namespace pipwick {

// What the program starts from. Left empty, the prompts, the clock, the seeds and the way the
// program ends are the real ones; tests give their own.
struct StartupOptions {
    QString settingsPath;
    ScreenSize screen;
    // A saved game named on the command line, empty for none.
    QString gamePath;
    Prompts* prompts = nullptr;
    Clock* clock = nullptr;
    SeedSource* seeds = nullptr;
    std::function<void(int)> endProgram;
    // Where the sounds are heard, and how the preference dialogs run; the real ones when empty.
    SoundOutput* sounds = nullptr;
    DialogRunner runDialog;
    // The primary screen's width now; the real one when empty.
    std::function<int32_t()> currentScreenWidth;
    // The user's data folder, which holds the statistics and the game kept at the end of the
    // program; the real one when empty.
    QString dataFolder;
    // Starts the program anew with arguments (the restart); a detached process when empty.
    std::function<void(const QString& program, const QStringList& arguments)> startProgram;
};

// The screen size of the primary screen, in device-independent pixels.
ScreenSize PrimaryScreenSize();

}  // namespace pipwick
