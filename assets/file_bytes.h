#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

namespace pipwick {

// Whole-file reads and writes for the tools, the tests and snapshots.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& path);
bool WriteFileBytes(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace pipwick
