#pragma once

#include <filesystem>
#include <optional>

#include "model/game_state.h"
#include "model/geometry.h"
#include "model/whole_file_write.h"
#include "savegame/saved_game.h"

namespace pipwick {

// Reads the saved game at path and opens it into state (see OpenSavedGame). A file that cannot be
// read (missing, or not a regular file: a folder, a FIFO, a device) is kCannotRead, one that is not
// exactly 462 bytes kWrongLength; state is then unchanged. A FIFO is never waited on.
SavedGameError OpenSavedGameFile(const std::filesystem::path& path, const Geometry& geometry,
                                 GameState& state);

// Writes the state's image to path whole or not at all (see WriteWholeFile): a save that fails
// leaves any earlier file at path as it was. Returns why the save failed, or nothing when the file
// is in place.
std::optional<WriteFailure> WriteSavedGameFile(const std::filesystem::path& path,
                                               const GameState& state);

}  // namespace pipwick
