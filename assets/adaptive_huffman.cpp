#include "assets/adaptive_huffman.h"

#include <algorithm>

namespace pipwick {

void AdaptiveHuffmanTree::StartTree() {
    for (int32_t s = 0; s < kSymbolCount; ++s) {
        freq_[s] = 1;
        son_[s] = static_cast<uint16_t>(s + kTreeSize);
        parent_[s + kTreeSize] = static_cast<uint16_t>(s);
    }
    int32_t i = 0;
    for (int32_t j = kSymbolCount; j < kTreeSize; ++j) {
        freq_[j] = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
        son_[j] = static_cast<uint16_t>(i);
        parent_[i] = parent_[i + 1] = static_cast<uint16_t>(j);
        i += 2;
    }
    freq_[kTreeSize] = 0xFFFF;
    parent_[kRootNode] = 0;
}

void AdaptiveHuffmanTree::RebuildTree() {
    // Gather the leaves at the bottom, halving their counts.
    int32_t j = 0;
    for (int32_t i = 0; i < kTreeSize; ++i) {
        if (son_[i] >= kTreeSize) {
            freq_[j] = static_cast<uint16_t>((freq_[i] + 1) / 2);
            son_[j] = son_[i];
            ++j;
        }
    }
    // Pair them up again, inserting each new internal node where its count keeps the order.
    int32_t i = 0;
    for (j = kSymbolCount; j < kTreeSize; ++j) {
        const uint16_t f = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
        int32_t k = j - 1;
        while (f < freq_[k]) {
            --k;
        }
        ++k;
        std::copy_backward(freq_.begin() + k, freq_.begin() + j, freq_.begin() + j + 1);
        std::copy_backward(son_.begin() + k, son_.begin() + j, son_.begin() + j + 1);
        freq_[k] = f;
        son_[k] = static_cast<uint16_t>(i);
        i += 2;
    }
    // Point every child back at its parent.
    for (i = 0; i < kTreeSize; ++i) {
        const int32_t k = son_[i];
        if (k >= kTreeSize) {
            parent_[k] = static_cast<uint16_t>(i);
        } else {
            parent_[k] = parent_[k + 1] = static_cast<uint16_t>(i);
        }
    }
}

void AdaptiveHuffmanTree::UpdateTree(int32_t symbol) {
    if (freq_[kRootNode] == kRebuildFrequency) {
        RebuildTree();
    }
    int32_t x = parent_[symbol + kTreeSize];
    do {
        const uint16_t k = ++freq_[x];
        if (k > freq_[x + 1]) {
            int32_t l = x + 1;
            while (k > freq_[l + 1]) {
                ++l;
            }
            freq_[x] = freq_[l];
            freq_[l] = k;
            const int32_t i = son_[x];
            parent_[i] = static_cast<uint16_t>(l);
            if (i < kTreeSize) {
                parent_[i + 1] = static_cast<uint16_t>(l);
            }
            const int32_t j = son_[l];
            son_[l] = static_cast<uint16_t>(i);
            parent_[j] = static_cast<uint16_t>(x);
            if (j < kTreeSize) {
                parent_[j + 1] = static_cast<uint16_t>(x);
            }
            son_[x] = static_cast<uint16_t>(j);
            x = l;
        }
        x = parent_[x];
    } while (x != 0);
}

}  // namespace pipwick
