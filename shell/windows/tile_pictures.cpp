#include "shell/windows/tile_pictures.h"

#include <QFile>

#include "shell/storage/settings_file.h"

namespace pipwick {

std::optional<std::vector<uint8_t>> EmbeddedResource(int32_t id) {
    for (const char* kind : {":/qm/%1", ":/bitmap/%1"}) {
        QFile file(QString::fromLatin1(kind).arg(id));
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = file.readAll();
            return std::vector<uint8_t>(bytes.begin(), bytes.end());
        }
    }
    return std::nullopt;
}

TilePictures::TilePictures(const GameState& state, const Settings& settings,
                           const Geometry& geometry, Clock& clock,
                           std::function<void()> landingSound, ResourceSource source)
    : state_(state),
      settings_(settings),
      geometry_(geometry),
      source_(std::move(source)),
      artworkSize_(geometry.SizeClass),
      drawer_(table_, state, settings, clock, std::move(landingSound)) {}

std::optional<std::string> TilePictures::LoadDominoSet(uint32_t buttonFace) {
    auto error = pipwick::LoadDominoSet(settings_.DominoSet, artworkSize_, BackgroundOf(settings_),
                                        buttonFace, source_, table_);
    drawer_.ShowAtWindowScale(geometry_.ScaleFactor);
    return error;
}

void TilePictures::ShowPicture(WindowSurface& tableWindow, const Rect& area) const {
    tableWindow.Pixels().Copy(area.left, area.top, area.right - area.left, area.bottom - area.top,
                              table_.canvas, Scaled(44, table_.scale) + area.left, area.top);
}

// A hand tile stands as it would at the start of a flight: halves one above the other, the lower
// pip in the upper half.
void TilePictures::PaintSlot(WindowSurface& window, const Rect& slot, int32_t tile) {
    PlacedTile record;
    record.Tile = tile;
    record.InnerPip = tile == kNoTile ? 0 : LowPip(tile);
    record.OuterPip = tile == kNoTile ? 0 : HighPip(tile);
    record.InnerHalf = {slot.left, slot.top, 0, 0};
    record.OuterHalf = {slot.left, slot.top + Scaled(kSecondHalfUnits, geometry_.ScaleFactor), 0,
                        0};
    drawer_.DrawTile(window, 0, 0, record);
}

void TilePictures::PaintHumanHand(WindowSurface& hand) {
    if (!Loaded()) {
        return;
    }
    for (int slot = 0; slot < kHandSlots; ++slot) {
        if (state_.Hand[kHumanSeat][slot] != kNoTile) {
            PaintSlot(hand, geometry_.HandSlotRect[slot], state_.Hand[kHumanSeat][slot]);
        }
    }
}

// Empty slots leave gaps: a window never shifts its tiles, and never shows more slots than its
// player can hold.
void TilePictures::PaintOpponentHand(int player, int32_t slotCount, WindowSurface& window) {
    if (!Loaded()) {
        return;
    }
    for (int slot = 0; slot < slotCount && slot < kHandSlots; ++slot) {
        const int32_t tile = state_.Hand[player][slot];
        if (tile != kNoTile) {
            PaintSlot(window, geometry_.OpponentSlotRect[slot], faceUp_[player] ? tile : kNoTile);
        }
    }
}

void TilePictures::TurnAllFaceDown() {
    for (bool& up : faceUp_) {
        up = false;
    }
}

}  // namespace pipwick
