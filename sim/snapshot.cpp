#include "sim/snapshot.h"

#include "assets/file_bytes.h"

namespace pipwick {

namespace {

constexpr uint32_t kButtonFace = 0xD4D0C8;

// Where each player's window lies relative to the table window, in design units: the human's
// below it, the computer players' to the left, above and to the right. Starts off the table are
// brought onto its edge, as in the game.
Point WindowOrigin(int32_t player, double s) {
    switch (player) {
        case 1:
            return {Scaled(233, s), Scaled(500, s)};
        case 2:
            return {Scaled(-200, s), Scaled(180, s)};
        case 3:
            return {Scaled(233, s), Scaled(-70, s)};
        default:
            return {Scaled(660, s), Scaled(260, s)};
    }
}

}  // namespace

SnapshotView::SnapshotView(const GameState& state, const GameSettings& settings,
                           const Geometry& geometry, Clock& clock)
    : geometry_(geometry),
      drawer_(table_, state, settings, clock, nullptr),
      tableWindow_(true, Scaled(640, geometry.ScaleFactor), Scaled(480, geometry.ScaleFactor), 0),
      playerWindow_(false, Scaled(600, geometry.ScaleFactor), Scaled(60, geometry.ScaleFactor),
                    kButtonFace) {}

std::optional<std::string> SnapshotView::LoadSet(int32_t dominoSet, const ResourceSource& source) {
    return LoadDominoSet(dominoSet, geometry_.SizeClass, BackgroundSettings{}, kButtonFace, source,
                         table_);
}

Canvas SnapshotView::TablePicture() const {
    const double s = geometry_.ScaleFactor;
    Canvas picture(Scaled(640, s), Scaled(480, s));
    picture.Copy(0, 0, picture.Width(), picture.Height(), table_.canvas, Scaled(44, s), 0);
    return picture;
}

void SnapshotView::ShowMessage(Message message, int32_t) {
    if (message != Message::kWontPlayThere && !FirstHandEnded()) {
        firstHandEnd_ = TablePicture();
    }
}

void SnapshotView::ClearTableAndHands() {
    drawer_.ClearTablePicture(tableWindow_);
}

void SnapshotView::TileLeavesHand(int32_t player, const Rect& source, int32_t tile) {
    const Point origin = WindowOrigin(player, geometry_.ScaleFactor);
    drawer_.TileLeavesHand(tableWindow_, {origin.x + source.left, origin.y + source.top},
                           playerWindow_, source, tile, kButtonFace);
}

void SnapshotView::TileLands(const PlacedTile& record) {
    drawer_.TileLands(tableWindow_, record);
}

void SnapshotView::RedrawAllTiles() {
    drawer_.RedrawAllTiles(tableWindow_);
}

ResourceSource ResourcesInFolder(const std::filesystem::path& folder) {
    return [folder](int32_t id) -> std::optional<std::vector<uint8_t>> {
        const std::string name = std::to_string(id);
        if (auto bytes = ReadFileBytes(folder / "qm" / (name + ".qm"))) {
            return bytes;
        }
        return ReadFileBytes(folder / "bitmap" / (name + ".bmp"));
    };
}

}  // namespace pipwick
