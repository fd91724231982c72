#include "shell/sound/wave_header.h"

#include <algorithm>
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

void PutLittle32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

struct DataChunk {
    size_t header = 0;  // where the "data" tag lies
    uint32_t size = 0;
    uint32_t byteRate = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
};

// Finds the format and the data chunk that every header check of WaveLengthMs accepts.
std::optional<DataChunk> FindData(std::span<const uint8_t> file) {
    if (!WaveLengthMs(file)) {
        return std::nullopt;
    }
    DataChunk found;
    for (size_t at = kRiffHeader;;
         at += kChunkHeader + Little32(file, at + 4) + (Little32(file, at + 4) & 1)) {
        const size_t body = at + kChunkHeader;
        if (Tag(file, at, "fmt ")) {
            if (Little32(file, at + 4) < 16 || file.size() - body < 16) {
                return std::nullopt;
            }
            found.byteRate = Little32(file, body + kByteRateOffset);
            found.blockAlign = static_cast<uint16_t>(file[body + 12] | file[body + 13] << 8);
            found.bitsPerSample = static_cast<uint16_t>(file[body + 14] | file[body + 15] << 8);
        } else if (Tag(file, at, "data")) {
            found.header = at;
            found.size = Little32(file, at + 4);
            return found;
        }
    }
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

// Eight-bit samples are unsigned, silent at 128; sixteen-bit ones signed, silent at 0.
std::optional<std::vector<uint8_t>> WithTrailingSilence(std::span<const uint8_t> file,
                                                        uint32_t ms) {
    const std::optional<DataChunk> data = FindData(file);
    if (!data || data->blockAlign == 0 || (data->bitsPerSample != 8 && data->bitsPerSample != 16)) {
        return std::nullopt;
    }
    const size_t body = data->header + kChunkHeader;
    const size_t present = std::min<size_t>(data->size, file.size() - body);
    const uint64_t frames =
        (uint64_t{data->byteRate} * ms / 1000 + data->blockAlign - 1) / data->blockAlign;
    const size_t silence = static_cast<size_t>(frames * data->blockAlign);
    std::vector<uint8_t> padded(file.begin(),
                                file.begin() + static_cast<ptrdiff_t>(body + present));
    padded.resize(padded.size() + silence, data->bitsPerSample == 8 ? 128 : 0);
    if (padded.size() % 2 == 1) {
        padded.push_back(0);
    }
    PutLittle32(padded, data->header + 4, static_cast<uint32_t>(present + silence));
    PutLittle32(padded, 4, static_cast<uint32_t>(padded.size() - 8));
    return padded;
}

}  // namespace pipwick
