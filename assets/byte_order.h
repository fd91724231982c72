#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace pipwick {

// Little-endian fields of file formats. Readers take an offset the caller has checked.
inline uint16_t Little16(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

inline uint32_t Little32(std::span<const uint8_t> bytes, size_t at) {
    return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
           static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

inline void PutLittle16(std::vector<uint8_t>& out, uint16_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

inline void PutLittle32(std::vector<uint8_t>& out, uint32_t value) {
    PutLittle16(out, static_cast<uint16_t>(value));
    PutLittle16(out, static_cast<uint16_t>(value >> 16));
}

}  // namespace pipwick
