// Encoder of the artwork containers, the mirror of assets/compressed_image.cpp.
//
// The encoder sees the whole input at once, so it models the decoder's window as one long
// history: 4036 spaces followed by the input, where a copy from d bytes back (1..4096) reads what
// the decoder's ring buffer holds at that distance. Matches are found through hash chains of
// 3-byte prefixes, nearest first (near positions have shorter codes), with one step of lazy
// evaluation: a match is put off by a literal when the next position offers a longer one.
// Literals and lengths go through the same adaptive tree as in the decoder, updated in step.
#include "tools/compressed_image_encoder.h"

#include <algorithm>
#include <array>

#include "assets/adaptive_huffman.h"
#include "assets/byte_order.h"

namespace pipwick {

namespace {

constexpr int32_t kHashBits = 14;
constexpr int32_t kLongestChain = 2048;

class BitWriter {
  public:
    void Put(uint32_t value, int32_t count) {
        for (int32_t i = count - 1; i >= 0; --i) {
            PutBit((value >> i) & 1);
        }
    }

    void PutBit(uint32_t bit) {
        if (used_ == 0) {
            bytes_.push_back(0);
        }
        bytes_.back() = static_cast<uint8_t>(bytes_.back() | bit << (7 - used_));
        used_ = (used_ + 1) & 7;
    }

    std::vector<uint8_t> Take() { return std::move(bytes_); }

  private:
    std::vector<uint8_t> bytes_;
    int32_t used_ = 0;
};

// The prefix that codes each value of a position's upper 6 bits, read off the decoder's rule.
struct PositionPrefix {
    uint32_t code = 0;
    int32_t length = 0;
};

constexpr std::array<PositionPrefix, 64> MakePositionPrefixes() {
    std::array<PositionPrefix, 64> prefixes{};
    for (int32_t b = 255; b >= 0; --b) {
        const int32_t length = PositionBits(b);
        prefixes[PositionHigh(b)] = {static_cast<uint32_t>(b) >> (8 - length), length};
    }
    return prefixes;
}

constexpr std::array<PositionPrefix, 64> kPositionPrefixes = MakePositionPrefixes();

void EncodeSymbol(AdaptiveHuffmanTree& tree, BitWriter& bits, int32_t symbol) {
    // The path is found leaf to root; the decoder reads it root to leaf.
    std::array<uint8_t, kTreeSize> path{};
    int32_t length = 0;
    for (int32_t node = tree.LeafOf(symbol); node != kRootNode; node = tree.Parent(node)) {
        path[length++] = static_cast<uint8_t>(node & 1);
    }
    while (length > 0) {
        bits.PutBit(path[--length]);
    }
    tree.UpdateTree(symbol);
}

void EncodePosition(BitWriter& bits, int32_t position) {
    const PositionPrefix& prefix = kPositionPrefixes[position >> 6];
    bits.Put(prefix.code, prefix.length);
    bits.Put(static_cast<uint32_t>(position & 0x3F), 6);
}

struct Match {
    int32_t length = 0;
    int32_t distance = 0;
};

class MatchFinder {
  public:
    explicit MatchFinder(std::span<const uint8_t> data)
        : history_(static_cast<size_t>(kFirstWritePosition), kWindowFill),
          head_(size_t{1} << kHashBits, -1) {
        history_.insert(history_.end(), data.begin(), data.end());
        previous_.assign(history_.size(), -1);
    }

    int32_t End() const { return static_cast<int32_t>(history_.size()); }
    uint8_t At(int32_t position) const { return history_[position]; }

    // Longest match for the bytes at `position`, every earlier position having been inserted.
    Match Longest(int32_t position) const {
        const int32_t limit = std::min(kLongestCopy, End() - position);
        Match best;
        if (limit <= kCopyThreshold) {
            return best;
        }
        int32_t chain = kLongestChain;
        for (int32_t candidate = head_[Hash(position)];
             candidate >= 0 && position - candidate <= kWindowSize && chain-- > 0;
             candidate = previous_[candidate]) {
            int32_t length = 0;
            while (length < limit && history_[candidate + length] == history_[position + length]) {
                ++length;
            }
            if (length > best.length) {
                best = {length, position - candidate};
                if (length == limit) {
                    break;
                }
            }
        }
        return best.length > kCopyThreshold ? best : Match{};
    }

    void InsertUpTo(int32_t end) {
        for (; inserted_ < end && inserted_ + 2 < End(); ++inserted_) {
            const uint32_t hash = Hash(inserted_);
            previous_[inserted_] = head_[hash];
            head_[hash] = inserted_;
        }
    }

  private:
    uint32_t Hash(int32_t position) const {
        const uint32_t key = static_cast<uint32_t>(history_[position]) << 16 |
                             static_cast<uint32_t>(history_[position + 1]) << 8 |
                             history_[position + 2];
        return (key * 2654435761u) >> (32 - kHashBits);
    }

    std::vector<uint8_t> history_;
    std::vector<int32_t> head_;
    std::vector<int32_t> previous_;
    int32_t inserted_ = 0;
};

}  // namespace

std::vector<uint8_t> EncodeImage(std::span<const uint8_t> data) {
    MatchFinder finder(data);
    AdaptiveHuffmanTree tree;
    BitWriter bits;
    int32_t position = kFirstWritePosition;
    while (position < finder.End()) {
        finder.InsertUpTo(position);
        Match match = finder.Longest(position);
        if (match.length > 0 && match.length < kLongestCopy && position + 1 < finder.End()) {
            finder.InsertUpTo(position + 1);
            if (finder.Longest(position + 1).length > match.length) {
                match = {};
            }
        }
        if (match.length == 0) {
            EncodeSymbol(tree, bits, finder.At(position));
            ++position;
            continue;
        }
        EncodeSymbol(tree, bits, 255 - kCopyThreshold + match.length);
        EncodePosition(bits, match.distance - 1);
        position += match.length;
    }
    return bits.Take();
}

std::vector<uint8_t> PackContainer(std::span<const uint8_t> data, const std::string& fileName,
                                   DosTimestamp stamp) {
    const std::vector<uint8_t> stream = EncodeImage(data);
    const std::string name = fileName.substr(0, 255);
    std::vector<uint8_t> out = {'Q', 'M', '1', 0};
    const size_t total = 14 + name.size() + 4 + stream.size();
    PutLittle32(out, static_cast<uint32_t>(total));
    PutLittle16(out, stamp.date);
    PutLittle16(out, stamp.time);
    out.push_back(0x20);  // archive attribute
    out.push_back(static_cast<uint8_t>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
    PutLittle32(out, static_cast<uint32_t>(data.size()));
    out.insert(out.end(), stream.begin(), stream.end());
    return out;
}

}  // namespace pipwick
