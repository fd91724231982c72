// Decoder of the artwork containers: an LZ77 sliding window of 4096 bytes whose literals and copy
// lengths share one adaptive Huffman code (see adaptive_huffman.h) and whose copy positions carry
// a fixed prefix code for their upper 6 bits. The window starts as 4036 spaces and is written from
// index 4036, so a first copy may repeat spaces that were never output.
#include "assets/compressed_image.h"

#include <algorithm>
#include <array>

#include "assets/adaptive_huffman.h"
#include "assets/byte_order.h"

namespace pipwick {

namespace {

// Bits are taken from the top of the buffer, most significant first; bytes past the end of the
// input are zeros. The buffer is refilled a few bytes at a time rather than one per bit, which
// yields the same bits as refilling a 16-bit buffer byte by byte.
class BitReader {
  public:
    explicit BitReader(std::span<const uint8_t> input) : input_(input) {}

    int32_t GetBit() {
        Refill();
        const int32_t bit = static_cast<int32_t>(buffer_ >> 63);
        buffer_ <<= 1;
        --count_;
        return bit;
    }

    int32_t GetByte() {
        Refill();
        const int32_t byte = static_cast<int32_t>(buffer_ >> 56);
        buffer_ <<= 8;
        count_ -= 8;
        return byte;
    }

  private:
    void Refill() {
        if (count_ >= 8) {
            return;
        }
        while (count_ <= 56) {
            const uint64_t next = next_ < input_.size() ? input_[next_] : 0;
            ++next_;
            buffer_ |= next << (56 - count_);
            count_ += 8;
        }
    }

    std::span<const uint8_t> input_;
    size_t next_ = 0;
    uint64_t buffer_ = 0;
    int32_t count_ = 0;
};

constexpr std::array<uint8_t, 256> MakeTable(int32_t (*rule)(int32_t)) {
    std::array<uint8_t, 256> table{};
    for (int32_t b = 0; b < 256; ++b) {
        table[b] = static_cast<uint8_t>(rule(b));
    }
    return table;
}

constexpr std::array<uint8_t, 256> kPositionHigh = MakeTable(PositionHigh);
constexpr std::array<uint8_t, 256> kPositionBits = MakeTable(PositionBits);

int32_t DecodeSymbol(AdaptiveHuffmanTree& tree, BitReader& bits) {
    int32_t x = tree.Son(kRootNode);
    while (x < kTreeSize) {
        x = tree.Son(x + bits.GetBit());
    }
    const int32_t symbol = x - kTreeSize;
    tree.UpdateTree(symbol);
    return symbol;
}

int32_t DecodePosition(BitReader& bits) {
    int32_t b = bits.GetByte();
    const int32_t high = kPositionHigh[b];
    for (int32_t extra = kPositionBits[b] - 2; extra > 0; --extra) {
        b = (b << 1) + bits.GetBit();
    }
    return high << 6 | (b & 0x3F);
}

}  // namespace

std::optional<ContainerHeader> ReadContainerHeader(std::span<const uint8_t> container,
                                                   std::string* error) {
    auto fail = [error](const char* message) -> std::optional<ContainerHeader> {
        if (error != nullptr) {
            *error = message;
        }
        return std::nullopt;
    };
    if (container.size() <= kContainerNameLengthOffset) {
        return fail("container too short for its header");
    }
    ContainerHeader header;
    header.totalLength = Little32(container, 4);
    if (header.totalLength != container.size()) {
        return fail("container total length disagrees with its size");
    }
    const size_t nameLength = container[kContainerNameLengthOffset];
    const size_t lengthField = kContainerNameOffset + nameLength;
    if (lengthField + 4 > container.size()) {
        return fail("container name or decoded length lies past its end");
    }
    header.fileName.assign(container.begin() + kContainerNameOffset,
                           container.begin() + static_cast<ptrdiff_t>(lengthField));
    header.decodedLength = Little32(container, lengthField);
    if (header.decodedLength > kLargestDecodedLength) {
        return fail("container decoded length exceeds 1 MiB");
    }
    header.streamOffset = lengthField + 4;
    return header;
}

std::vector<uint8_t> DecodeImage(std::span<const uint8_t> stream, uint32_t decodedLength) {
    std::vector<uint8_t> out(decodedLength);
    if (decodedLength == 0) {
        return out;
    }
    AdaptiveHuffmanTree tree;
    BitReader bits(stream);
    std::array<uint8_t, kWindowSize> window{};
    std::fill(window.begin(), window.begin() + kFirstWritePosition, kWindowFill);
    int32_t r = kFirstWritePosition;
    size_t written = 0;
    while (written < decodedLength) {
        const int32_t symbol = DecodeSymbol(tree, bits);
        if (symbol < 256) {
            out[written++] = static_cast<uint8_t>(symbol);
            window[r] = static_cast<uint8_t>(symbol);
            r = (r + 1) & (kWindowSize - 1);
            continue;
        }
        const int32_t start = (r - DecodePosition(bits) - 1) & (kWindowSize - 1);
        const size_t length = static_cast<size_t>(symbol - 255 + kCopyThreshold);
        const size_t end = std::min<size_t>(written + length, decodedLength);
        for (int32_t k = 0; written < end; ++k) {
            const uint8_t byte = window[(start + k) & (kWindowSize - 1)];
            out[written++] = byte;
            window[r] = byte;
            r = (r + 1) & (kWindowSize - 1);
        }
    }
    return out;
}

std::optional<std::vector<uint8_t>> DecodeContainer(std::span<const uint8_t> container,
                                                    std::string* error) {
    const auto header = ReadContainerHeader(container, error);
    if (!header) {
        return std::nullopt;
    }
    return DecodeImage(container.subspan(header->streamOffset), header->decodedLength);
}

}  // namespace pipwick
