#pragma once

#include <array>
#include <cstdint>

namespace pipwick {

// The sliding-window coder's constants, shared by the decoder here and the packer in tools/.
constexpr int32_t kWindowSize = 4096;                                // N: positions are 12 bits
constexpr int32_t kLongestCopy = 60;                                 // F
constexpr int32_t kCopyThreshold = 2;                                // a copy is at least 3 bytes
constexpr int32_t kFirstWritePosition = kWindowSize - kLongestCopy;  // 4036
constexpr uint8_t kWindowFill = 0x20;
constexpr int32_t kSymbolCount = 256 + kLongestCopy - kCopyThreshold;  // 314
constexpr int32_t kTreeSize = 2 * kSymbolCount - 1;                    // T = 627
constexpr int32_t kRootNode = kTreeSize - 1;                           // R = 626
constexpr uint16_t kRebuildFrequency = 0x8000;

// The adaptive Huffman tree of literals and copy lengths.
//
// Nodes are kept in order of frequency, so a node's siblings-to-be are always its neighbours.
// `son` of an internal node is its first child (the second is the next node); a value of
// kTreeSize or more marks a leaf holding symbol son - kTreeSize. `parent` has one entry per node
// and, after those, one per symbol naming the leaf node that stands for it. After each symbol,
// its leaf and every node above it count one more, sliding past equal-or-lower neighbours to keep
// the order; when the root's count reaches 0x8000 all counts are halved and the tree rebuilt.
class AdaptiveHuffmanTree {
  public:
    AdaptiveHuffmanTree() { StartTree(); }

    void StartTree();
    void UpdateTree(int32_t symbol);

    int32_t Son(int32_t node) const { return son_[node]; }
    int32_t Parent(int32_t node) const { return parent_[node]; }
    int32_t LeafOf(int32_t symbol) const { return parent_[symbol + kTreeSize]; }
    uint16_t Frequency(int32_t node) const { return freq_[node]; }

  private:
    void RebuildTree();

    std::array<uint16_t, kTreeSize + 1> freq_{};  // freq_[kTreeSize] is a 0xFFFF sentinel
    std::array<uint16_t, kTreeSize> son_{};
    std::array<uint16_t, kTreeSize + kSymbolCount> parent_{};
};

// Copy positions: the upper 6 bits of a 12-bit position are coded by a prefix of 3 to 8 bits
// read as the first byte b, then the lower 6 bits follow plainly.
constexpr int32_t PositionHigh(int32_t b) {
    if (b < 32) {
        return 0;
    }
    if (b < 80) {
        return 1 + (b - 32) / 16;
    }
    if (b < 144) {
        return 4 + (b - 80) / 8;
    }
    if (b < 192) {
        return 12 + (b - 144) / 4;
    }
    if (b < 240) {
        return 24 + (b - 192) / 2;
    }
    return 48 + (b - 240);
}

constexpr int32_t PositionBits(int32_t b) {
    return b < 32 ? 3 : b < 80 ? 4 : b < 144 ? 5 : b < 192 ? 6 : b < 240 ? 7 : 8;
}

}  // namespace pipwick
