#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace pipwick {

// The playing time of a RIFF WAVE file in milliseconds, rounded up, from its header: the "data"
// chunk's size over the format's bytes per second. Nothing when the bytes are not such a file
// (no RIFF/WAVE tags, no "fmt " chunk before "data", no bytes per second, or a chunk that runs
// past the end of the header it claims).
std::optional<uint32_t> WaveLengthMs(std::span<const uint8_t> file);

}  // namespace pipwick
