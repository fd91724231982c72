#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace pipwick {

// The playing time of a RIFF WAVE file in milliseconds, rounded up, from its header: the "data"
// chunk's size over the format's bytes per second. Nothing when the bytes are not such a file
// (no RIFF/WAVE tags, no "fmt " chunk before "data", no bytes per second, or a chunk that runs
// past the end of the header it claims).
std::optional<uint32_t> WaveLengthMs(std::span<const uint8_t> file);

// The same sound followed by at least ms of silence (whole sample frames), the chunks after the
// sound's data left out. Nothing when the bytes are not a PCM wave file of 8 or 16 bits.
std::optional<std::vector<uint8_t>> WithTrailingSilence(std::span<const uint8_t> file, uint32_t ms);

}  // namespace pipwick
