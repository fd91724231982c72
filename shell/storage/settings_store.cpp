#include "shell/storage/settings_store.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include "ai/level.h"
#include "assets/domino_sets.h"
#include "model/game_kind.h"
#include "model/game_state.h"
#include "shell/app/translations.h"
#include "texts/texts.h"

namespace pipwick {

namespace {

// A setting's key, its field of Settings, the range the preference dialogs offer, and what a
// number outside that range becomes.
struct IntKey {
    const char* key;
    int32_t& (*field)(Settings&);
    int32_t low;
    int32_t high;
    int32_t outside;
};

// For "outside": a number out of range is held to the nearer end.
constexpr int32_t kNearerEnd = std::numeric_limits<int32_t>::min();
// The range of a number kept as it was read: the scale choice gives an unknown table size its
// meaning (and may rewrite it), and the colour loader an unknown colour number or value.
constexpr int32_t kAny = std::numeric_limits<int32_t>::min();
constexpr int32_t kAnyHigh = std::numeric_limits<int32_t>::max();

template <int Player>
int32_t& GenderOf(Settings& s) {
    return s.PlayerGender[Player];
}

template <int Player>
int32_t& LevelOf(Settings& s) {
    return s.PlayerLevel[Player];
}

// Indexed by IntSetting. The defaults are those of a new Settings. Sound and Draw/Pass on a
// double-click are on only at 1, the marks of where tiles can go off only at 0, a gender other
// than 0 is female, and a level outside 0..2 is Advanced. An unknown game is All Fives, partners
// are on only at 1, and a target outside every game's choices is 100 (one in range that is no
// choice of the game chosen plays to that game's default).
constexpr IntKey kIntKeys[] = {
    {"dclk", [](Settings& s) -> int32_t& { return s.DoubleClickDrawPass; }, 0, 1, 0},
    {"speed", [](Settings& s) -> int32_t& { return s.Speed; }, 1, 10, 5},
    {"delay", [](Settings& s) -> int32_t& { return s.PlayDelay; }, 0, 10, kNearerEnd},
    {"domset", [](Settings& s) -> int32_t& { return s.DominoSet; }, 1, kDominoSetCount, 2},
    {"tblsz", [](Settings& s) -> int32_t& { return s.TableSizeSetting; }, kAny, kAnyHigh, 0},
    {"sound", [](Settings& s) -> int32_t& { return s.SoundOn; }, 0, 1, 0},
    {"bkcolor", [](Settings& s) -> int32_t& { return s.BackgroundColorChoice; }, kAny, kAnyHigh, 0},
    {"bkred", [](Settings& s) -> int32_t& { return s.BackgroundRed; }, kAny, kAnyHigh, 0},
    {"bkgreen", [](Settings& s) -> int32_t& { return s.BackgroundGreen; }, kAny, kAnyHigh, 0},
    {"bkblue", [](Settings& s) -> int32_t& { return s.BackgroundBlue; }, kAny, kAnyHigh, 0},
    {"pn2g", GenderOf<2>, 0, 1, 1},
    {"pn3g", GenderOf<3>, 0, 1, 1},
    {"pn4g", GenderOf<4>, 0, 1, 1},
    {"pn2l", LevelOf<2>, 0, kStrongestLevelSetting, 1},
    {"pn3l", LevelOf<3>, 0, kStrongestLevelSetting, 1},
    {"pn4l", LevelOf<4>, 0, kStrongestLevelSetting, 1},
    {"marks", [](Settings& s) -> int32_t& { return s.ShowWhereTilesGo; }, 0, 1, 1},
    {"game", [](Settings& s) -> int32_t& { return s.Game; }, 0, kGameKindCount - 1, 0},
    {"playto", [](Settings& s) -> int32_t& { return s.PlayTo; }, LowestTarget(), HighestTarget(),
     kDefaultTarget},
    {"partners", [](Settings& s) -> int32_t& { return s.Partners; }, 0, 1, 0},
};
static_assert(std::size(kIntKeys) == static_cast<size_t>(IntSetting::kPartners) + 1);

constexpr IntKey kPlayerCountKey = {"nump", nullptr, 2, 4, 2};

constexpr const char* kNameKeys[5] = {"", "pnm1", "pnm2", "pnm3", "pnm4"};

const IntKey& KeyOf(IntSetting setting) {
    return kIntKeys[static_cast<size_t>(setting)];
}

int32_t CorrectedBy(const IntKey& key, int32_t value) {
    if (value >= key.low && value <= key.high) {
        return value;
    }
    return key.outside == kNearerEnd ? std::clamp(value, key.low, key.high) : key.outside;
}

}  // namespace

IntSetting GenderSetting(int player) {
    return static_cast<IntSetting>(static_cast<int>(IntSetting::kGender2) + player - 2);
}

IntSetting LevelSetting(int player) {
    return static_cast<IntSetting>(static_cast<int>(IntSetting::kLevel2) + player - 2);
}

int32_t Corrected(IntSetting setting, int32_t value) {
    return CorrectedBy(KeyOf(setting), value);
}

int32_t CorrectedPlayerCount(int32_t count) {
    return CorrectedBy(kPlayerCountKey, count);
}

SettingsStore::SettingsStore(const QString& path) : file_(path) {
    for (const IntKey& key : kIntKeys) {
        int32_t& field = key.field(values_);
        field = CorrectedBy(key, file_.Int(key.key, field));
    }
    // Until the human names himself he is called by a word of his own language.
    values_.PlayerNames[kHumanSeat] = Translated(text::kHumanDefaultName).toStdString();
    for (int player = 1; player <= 4; ++player) {
        std::string& name = values_.PlayerNames[player];
        name = CutName(QString::fromStdString(file_.Text(kNameKeys[player], name.c_str())))
                   .toStdString();
    }
}

void SettingsStore::Set(IntSetting setting, int32_t value) {
    const IntKey& key = KeyOf(setting);
    int32_t& field = key.field(values_);
    field = CorrectedBy(key, value);
    Written(file_.WriteInt(key.key, field));
}

void SettingsStore::SetName(int player, const QString& name) {
    values_.PlayerNames[player] = CutName(name).toStdString();
    Written(file_.WriteText(kNameKeys[player], values_.PlayerNames[player]));
}

void SettingsStore::ShowName(int player, const QString& name) {
    if (!ownNames_) {
        ownNames_.emplace();
        std::copy(std::begin(values_.PlayerNames), std::end(values_.PlayerNames),
                  ownNames_->begin());
    }
    values_.PlayerNames[player] = CutName(name).toStdString();
}

void SettingsStore::ShowOwnNames() {
    if (ownNames_) {
        std::copy(ownNames_->begin(), ownNames_->end(), std::begin(values_.PlayerNames));
        ownNames_.reset();
    }
}

int32_t SettingsStore::PlayerCount() const {
    return CorrectedPlayerCount(file_.Int(kPlayerCountKey.key, kPlayerCountKey.outside));
}

void SettingsStore::SetPlayerCount(int32_t count) {
    Written(file_.WriteInt(kPlayerCountKey.key, CorrectedPlayerCount(count)));
}

void SettingsStore::Written(std::optional<WriteFailure> failure) const {
    if (failure && failed_) {
        failed_(*failure);
    }
}

}  // namespace pipwick
