#include "shell/wave_header.h"

#include <cstring>

namespace pipwick {

namespace {

constexpr size_t kRiffHeader = 12;
constexpr size_t kChunkHeader = 8;
constexpr size_t kByteRateOffset = 8;  // within the "fmt " chunk's body

uint32_t Little32(std::span<const uint8_t> bytes, size_t at) {
    return uint32_t{bytes[at]} | uint32_t{bytes[at + 1]} << 8 | uint32_t{bytes[at + 2]} << 16 |
           uint32_t{bytes[at + 3]} << 24;
}

bool Tag(std::span<const uint8_t> bytes, size_t at, const char* tag) {
    return std::memcmp(bytes.data() + at, tag, 4) == 0;
}

}  // namespace

// Walks the chunks after the RIFF header. The data chunk's size is taken as its header says even
// when the file is cut short, as a player would try to play that much; only the headers read must
// lie inside the file.
std::optional<uint32_t> WaveLengthMs(std::span<const uint8_t> file) {
    if (file.size() < kRiffHeader || !Tag(file, 0, "RIFF") || !Tag(file, 8, "WAVE")) {
        return std::nullopt;
    }
    uint32_t byteRate = 0;
    for (size_t at = kRiffHeader; file.size() - at >= kChunkHeader;) {
        const uint32_t size = Little32(file, at + 4);
        const size_t body = at + kChunkHeader;
        if (Tag(file, at, "fmt ")) {
            if (size < kByteRateOffset + 4 || file.size() - body < kByteRateOffset + 4) {
                return std::nullopt;
            }
            byteRate = Little32(file, body + kByteRateOffset);
        } else if (Tag(file, at, "data")) {
            if (byteRate == 0) {
                return std::nullopt;
            }
            return static_cast<uint32_t>((uint64_t{size} * 1000 + byteRate - 1) / byteRate);
        }
        // Chunks are padded to an even length.
        const uint64_t next = uint64_t{body} + size + (size & 1);
        if (next > file.size()) {
            return std::nullopt;
        }
        at = static_cast<size_t>(next);
    }
    return std::nullopt;
}

}  // namespace pipwick
