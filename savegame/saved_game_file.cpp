#include "savegame/saved_game_file.h"

#include "model/regular_file.h"
#include "savegame/open_saved_game.h"

namespace pipwick {

SavedGameError OpenSavedGameFile(const std::filesystem::path& path, const Geometry& geometry,
                                 GameState& state) {
    const FileContent file = ReadRegularFile(path, kExtendedSavedGameSize);
    if (file.refusal == FileRefusal::kTooLarge) {
        return SavedGameError::kWrongLength;
    }
    if (file.refusal) {
        return SavedGameError::kCannotRead;
    }
    return OpenSavedGame(file.bytes, geometry, state);
}

std::optional<WriteFailure> WriteSavedGameFile(const std::filesystem::path& path,
                                               const GameState& state) {
    return WriteWholeFile(path, BuildSavedGame(state));
}

}  // namespace pipwick
