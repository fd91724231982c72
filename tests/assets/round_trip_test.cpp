#include <gtest/gtest.h>

#include <random>
#include <string>

#include "assets/adaptive_huffman.h"
#include "assets/compressed_image.h"
#include "tools/compressed_image_encoder.h"

namespace pipwick {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) {
    return {text.begin(), text.end()};
}

std::vector<uint8_t> RandomBytes(size_t count, uint32_t seed, int32_t alphabet) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int32_t> byte(0, alphabet - 1);
    std::vector<uint8_t> bytes(count);
    for (uint8_t& b : bytes) {
        b = static_cast<uint8_t>(byte(random));
    }
    return bytes;
}

void ExpectRoundTrip(const std::vector<uint8_t>& data, const char* what) {
    const std::vector<uint8_t> container = PackContainer(data, "x.bmp", {0x5A87, 0x6000});
    std::string error;
    const auto decoded = DecodeContainer(container, &error);
    ASSERT_TRUE(decoded) << what << ": " << error;
    EXPECT_EQ(*decoded, data) << what;
}

TEST(RoundTrip, EdgeInputsComeBackByteForByte) {
    std::vector<uint8_t> longRun(100000, 'A');
    std::vector<uint8_t> overlapping;
    for (int i = 0; i < 500; ++i) {
        overlapping.push_back(static_cast<uint8_t>("abc"[i % 3]));
    }
    // Ends on a copy: the last 40 bytes repeat bytes 100 before them.
    std::vector<uint8_t> endsOnCopy = RandomBytes(300, 3, 256);
    endsOnCopy.insert(endsOnCopy.end(), endsOnCopy.end() - 100, endsOnCopy.end() - 60);
    // Every window distance and a wrap of the ring buffer several times over.
    std::vector<uint8_t> mixed = RandomBytes(20000, 4, 6);
    const std::vector<uint8_t> far = RandomBytes(70, 5, 256);
    mixed.insert(mixed.begin() + 100, far.begin(), far.end());
    mixed.insert(mixed.begin() + 4190, far.begin(), far.end());

    ExpectRoundTrip({}, "empty");
    ExpectRoundTrip({0x00}, "one byte");
    ExpectRoundTrip({0xFF, 0xFF}, "two bytes");
    ExpectRoundTrip(longRun, "long run");
    ExpectRoundTrip(overlapping, "overlapping copies");
    ExpectRoundTrip(endsOnCopy, "ends on a copy");
    ExpectRoundTrip(mixed, "mixed");
    ExpectRoundTrip(RandomBytes(40000, 6, 256), "tree rebuilds");
    ExpectRoundTrip(Bytes(std::string(61, ' ') + "x" + std::string(200, ' ')), "spaces");
}

TEST(RoundTrip, RepeatsCompressToAFewBytes) {
    // Copies of 60 bytes from one back: about a bit for the length and nine for the position.
    EXPECT_LT(EncodeImage(std::vector<uint8_t>(100000, 'A')).size(), 100000u / 60 * 11 / 8);
    // Spaces at the start are copied from the window's initial fill, never written before.
    EXPECT_LE(EncodeImage(Bytes(std::string(60, ' '))).size(), 4u);
}

TEST(RoundTrip, ContainerCarriesTheHeaderFields) {
    const std::vector<uint8_t> data = Bytes("pips and bones");
    const std::vector<uint8_t> container = PackContainer(data, "blakdom.bmp", {0x1234, 0x5678});
    ASSERT_GE(container.size(), 29u);
    EXPECT_EQ(std::string(container.begin(), container.begin() + 3), "QM1");
    EXPECT_EQ(container[3], 0);
    EXPECT_EQ(container[8] | container[9] << 8, 0x1234);
    EXPECT_EQ(container[10] | container[11] << 8, 0x5678);
    EXPECT_EQ(container[12], 0x20);
    const auto header = ReadContainerHeader(container, nullptr);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->totalLength, container.size());
    EXPECT_EQ(header->fileName, "blakdom.bmp");
    EXPECT_EQ(header->decodedLength, data.size());
    EXPECT_EQ(header->streamOffset, 29u);
}

TEST(AdaptiveHuffmanTree, RebuildsOnlyWhenAnUpdateStartsAtTheLimit) {
    AdaptiveHuffmanTree tree;
    EXPECT_EQ(tree.Frequency(kRootNode), kSymbolCount);
    std::mt19937 random(9);
    std::uniform_int_distribution<int32_t> symbol(0, kSymbolCount - 1);
    while (tree.Frequency(kRootNode) < kRebuildFrequency) {
        tree.UpdateTree(symbol(random));
    }
    EXPECT_EQ(tree.Frequency(kRootNode), kRebuildFrequency);
    tree.UpdateTree(symbol(random));
    EXPECT_LT(tree.Frequency(kRootNode), kRebuildFrequency / 2 + kSymbolCount);
    EXPECT_GT(tree.Frequency(kRootNode), kRebuildFrequency / 2);
    // Every node's count is the sum of its children's, and the order is kept.
    for (int32_t node = 0; node < kTreeSize; ++node) {
        if (node + 1 < kTreeSize) {
            EXPECT_LE(tree.Frequency(node), tree.Frequency(node + 1)) << node;
        }
        const int32_t son = tree.Son(node);
        if (son < kTreeSize) {
            EXPECT_EQ(tree.Frequency(node), tree.Frequency(son) + tree.Frequency(son + 1));
            EXPECT_EQ(tree.Parent(son), node);
        }
    }
}

}  // namespace
}  // namespace pipwick
