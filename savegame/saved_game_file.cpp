#include "savegame/saved_game_file.h"

#include <array>
#include <fstream>
#include <system_error>

#include "savegame/open_saved_game.h"

namespace pipwick {

namespace {

// One byte more than an image is enough to tell a longer file, however large, from a good one.
struct FileStart {
    std::array<uint8_t, kSavedGameSize + 1> bytes{};
    std::size_t length = 0;
};

std::optional<FileStart> ReadFileStart(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    FileStart start;
    in.read(reinterpret_cast<char*>(start.bytes.data()),
            static_cast<std::streamsize>(start.bytes.size()));
    if (in.bad()) {
        return std::nullopt;
    }
    start.length = static_cast<std::size_t>(in.gcount());
    return start;
}

// Beside the target, so the rename stays within one file system.
std::filesystem::path TemporaryPathFor(const std::filesystem::path& path) {
    std::filesystem::path temporary = path;
    temporary += ".saving";
    return temporary;
}

bool WriteWholeFile(const std::filesystem::path& path, const SavedGameImage& image) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        return false;
    }
    out.write(reinterpret_cast<const char*>(image.data()),
              static_cast<std::streamsize>(image.size()));
    out.close();
    return !out.fail();
}

}  // namespace

SavedGameError OpenSavedGameFile(const std::filesystem::path& path, const Geometry& geometry,
                                 GameState& state) {
    const std::optional<FileStart> start = ReadFileStart(path);
    if (!start) {
        return SavedGameError::kCannotRead;
    }
    if (start->length != kSavedGameSize) {
        return SavedGameError::kWrongLength;
    }
    return OpenSavedGame(std::span(start->bytes).first(kSavedGameSize), geometry, state);
}

std::optional<std::string> WriteSavedGameFile(const std::filesystem::path& path,
                                              const GameState& state) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return "a folder is in the way: " + path.string();
    }
    const std::filesystem::path temporary = TemporaryPathFor(path);
    if (std::filesystem::exists(temporary, error) &&
        !std::filesystem::is_regular_file(temporary, error)) {
        return "something other than a file is in the way: " + temporary.string();
    }
    if (!WriteWholeFile(temporary, BuildSavedGameImage(state))) {
        std::filesystem::remove(temporary, error);
        return "cannot write " + temporary.string();
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        const std::string reason = "cannot replace " + path.string() + ": " + error.message();
        std::filesystem::remove(temporary, error);
        return reason;
    }
    return std::nullopt;
}

}  // namespace pipwick
