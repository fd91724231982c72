#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "assets/byte_order.h"

namespace pipwick::testing {

// A container around a stream, with every header field as the loader expects it.
inline std::vector<uint8_t> WrapStream(std::span<const uint8_t> stream, uint32_t decodedLength,
                                       const std::string& name = "test.bmp") {
    std::vector<uint8_t> out = {'Q', 'M', '1', 0};
    PutLittle32(out, 0);
    PutLittle16(out, 0x5A87);
    PutLittle16(out, 0x6000);
    out.push_back(0x20);
    out.push_back(static_cast<uint8_t>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
    PutLittle32(out, decodedLength);
    out.insert(out.end(), stream.begin(), stream.end());
    const uint32_t total = static_cast<uint32_t>(out.size());
    for (int i = 0; i < 4; ++i) {
        out[4 + i] = static_cast<uint8_t>(total >> (8 * i));
    }
    return out;
}

}  // namespace pipwick::testing
