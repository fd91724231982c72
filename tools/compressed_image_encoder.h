#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace pipwick {

// Compresses bytes into the stream that DecodeImage turns back into them.
std::vector<uint8_t> EncodeImage(std::span<const uint8_t> data);

// Date and time of the source file in the DOS layout the container keeps.
struct DosTimestamp {
    uint16_t date = 0;
    uint16_t time = 0;
};

// A whole container: header fields, the file name (at most 255 bytes), then the stream.
std::vector<uint8_t> PackContainer(std::span<const uint8_t> data, const std::string& fileName,
                                   DosTimestamp stamp);

}  // namespace pipwick
