#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pipwick {

// The artwork container: "QM1", a zero byte, the total length, the DOS date, time and attribute
// byte of the source file, the length and bytes of its name, the decoded length, then the
// compressed stream. All fields little-endian.
constexpr size_t kContainerNameLengthOffset = 13;
constexpr size_t kContainerNameOffset = 14;
constexpr uint32_t kLargestDecodedLength = 1024 * 1024;

struct ContainerHeader {
    uint32_t totalLength = 0;
    std::string fileName;
    uint32_t decodedLength = 0;
    size_t streamOffset = 0;
};

// Checks the fields the loader relies on: the name and decoded-length fields lie inside the
// container, the total length is the container's size and the decoded length is at most 1 MiB.
std::optional<ContainerHeader> ReadContainerHeader(std::span<const uint8_t> container,
                                                   std::string* error);

// Decodes a stream into exactly `decodedLength` bytes. Input past the end of the stream reads as
// zero bits, so a short stream still ends.
std::vector<uint8_t> DecodeImage(std::span<const uint8_t> stream, uint32_t decodedLength);

// Checks the header and decodes the whole container.
std::optional<std::vector<uint8_t>> DecodeContainer(std::span<const uint8_t> container,
                                                    std::string* error);

}  // namespace pipwick
