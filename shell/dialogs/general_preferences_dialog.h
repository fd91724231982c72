#pragma once

#include <QDialog>
#include <QPainter>
#include <cstdint>
#include <memory>

#include "assets/image_store.h"
#include "model/game_kind.h"
#include "shell/dialogs/prompts.h"
#include "shell/storage/settings_store.h"

namespace Ui {
class GeneralPreferencesDialog;
}

namespace pipwick {

class UpDownBox;

// The General preferences as they stand while the dialog is open; the sample shows these.
struct GeneralPreferenceValues {
    int32_t dominoSet = 2;
    int32_t colour = 4;  // 1..7 a preset colour, 8 the custom one
    int32_t red = 0;
    int32_t green = 128;
    int32_t blue = 128;
    int32_t speed = 8;
    int32_t tableSize = 0;  // 0 Auto, 1 Small, 2 Medium, 3 Large
};

constexpr int32_t kCustomColour = 8;

// The General preferences dialog: domino set with its sample, table colour with its swatch, sound,
// speed, time between plays, Draw/Pass on double-click, the marks of where tiles can go, domino
// size, and the game the next New starts. Opening it fills the working values from the settings;
// OK sets and writes sound, delay, double-click, the marks and the game, and leaves the rest in
// the working values for the command to apply.
class GeneralPreferencesDialog : public QDialog {
  public:
    // sample gives bitmap 172; prompts says once when the sample cannot be drawn.
    GeneralPreferencesDialog(QWidget* owner, SettingsStore& store, GeneralPreferenceValues& values,
                             ResourceSource sample, Prompts& prompts);
    ~GeneralPreferencesDialog() override;

  private:
    // Paints the sample and the swatch on the layer above the group boxes.
    void PaintSample(QPainter& painter);
    void ReadColourAndSet();
    void FillControls();
    void Connect();
    void EnableCustom(bool custom);
    void FillGameChoices();
    // Play to means something only in the games that play to a chosen target.
    void EnablePlayTo();
    DominoGame ChosenGame() const;
    void SetNumberChanged();
    void ColourNumberChanged();
    void CustomClicked();
    // The working values become the preset colour of the colour number box (outside 1..7: 4).
    void TakePresetFromBox();
    void OkStep();
    void WarnNoSample();

    std::unique_ptr<Ui::GeneralPreferencesDialog> ui_;
    SettingsStore& store_;
    GeneralPreferenceValues& values_;
    ResourceSource sample_;
    Prompts& prompts_;
    // Filling the colour number box reports a change that no one typed.
    bool ignoreColourChange_ = true;
    bool warned_ = false;
};

// A set number as typed: outside 1..7 it is set 2.
int32_t TypedDominoSet(int32_t number);
// A colour number as typed: outside 1..7 it is colour 4.
int32_t TypedColour(int32_t number);
// The speed and colour values as typed, held to their ranges 1..10 and 0..255.
int32_t TypedSpeed(int32_t number);
int32_t TypedColourValue(int32_t number);
// Where a target stands among game's choices of Play to; a target that is no choice of the game
// shows the game's default.
int32_t TargetChoiceIndex(DominoGame game, int32_t target);

}  // namespace pipwick
