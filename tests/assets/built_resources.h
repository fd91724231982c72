#pragma once

#include <filesystem>
#include <string>

#include "assets/file_bytes.h"
#include "assets/image_store.h"

namespace pipwick::testing {

// The resources the build made, read from the build tree exactly as the game will embed them.
inline const std::filesystem::path kResources = PIPWICK_RESOURCES_DIR;
inline const std::filesystem::path kArtworkBitmaps = PIPWICK_ARTWORK_BITMAP_DIR;

inline ResourceSource BuiltResources() {
    return [](int32_t id) -> std::optional<std::vector<uint8_t>> {
        const auto container = ReadFileBytes(kResources / "qm" / (std::to_string(id) + ".qm"));
        if (container) {
            return container;
        }
        return ReadFileBytes(kResources / "bitmap" / (std::to_string(id) + ".bmp"));
    };
}

}  // namespace pipwick::testing
