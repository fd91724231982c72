#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "shell/storage/settings.h"
#include "shell/storage/settings_file.h"

namespace pipwick {

// The settings kept as whole numbers, each under its own key of the settings file.
enum class IntSetting {
    kDoubleClickDrawPass,
    kSpeed,
    kPlayDelay,
    kDominoSet,
    kTableSize,
    kSound,
    kBackgroundColour,
    kBackgroundRed,
    kBackgroundGreen,
    kBackgroundBlue,
    kGender2,
    kGender3,
    kGender4,
    kLevel2,
    kLevel3,
    kLevel4,
    kShowWhereTilesGo,
    kGame,
    kPlayTo,
    kPartners,
};

// The gender and level settings of a computer player, 2..4.
IntSetting GenderSetting(int player);
IntSetting LevelSetting(int player);

// The value a setting takes for a number read from the file or given by a dialog: held to what
// the preference dialogs offer. Where a number outside that range already meant one choice to the
// game (a sound setting of 5 is silent, a level of 7 Advanced), it keeps meaning that choice.
int32_t Corrected(IntSetting setting, int32_t value);
// The number of players, 2 when the file holds anything but 2, 3 or 4.
int32_t CorrectedPlayerCount(int32_t count);

// The settings file as typed fields. The settings are read once, when the store is made; each
// change is corrected, kept and written to the file at once.
class SettingsStore {
  public:
    explicit SettingsStore(const QString& path);

    const Settings& Values() const { return values_; }
    void Set(IntSetting setting, int32_t value);
    // Keeps the first 14 characters of the name.
    void SetName(int player, const QString& name);
    // A name the windows show for one game alone (a network table's chair): nothing is written,
    // and ShowOwnNames brings back the player's own.
    void ShowName(int player, const QString& name);
    void ShowOwnNames();

    int32_t PlayerCount() const;
    void SetPlayerCount(int32_t count);

    QString Path() const { return file_.Path(); }
    // Empty, or why the file was left alone and the defaults are used.
    const QString& Notice() const { return file_.Notice(); }
    // Called with why a change could not be written; the change holds for this run.
    void OnWriteFailed(std::function<void(WriteFailure)> failed) { failed_ = std::move(failed); }

  private:
    void Written(std::optional<WriteFailure> failure) const;

    SettingsFile file_;
    Settings values_;
    std::optional<std::array<std::string, 5>> ownNames_;
    std::function<void(WriteFailure)> failed_;
};

}  // namespace pipwick
