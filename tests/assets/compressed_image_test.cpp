#include "assets/compressed_image.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "assets/image_store.h"
#include "tests/assets/container_bytes.h"

namespace pipwick {
namespace {

struct Vector {
    std::vector<uint8_t> plain;
    uint32_t decodedLength = 0;
    std::vector<uint8_t> stream;
};

std::vector<uint8_t> FromHex(const std::string& hex) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        bytes.push_back(static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    }
    return bytes;
}

// The vectors file is a flat array of objects with two hex strings and a number each; this reads
// exactly that shape.
std::string Field(const std::string& text, size_t from, const std::string& key) {
    const size_t at = text.find("\"" + key + "\"", from);
    const size_t colon = text.find(':', at);
    size_t begin = text.find_first_not_of(" \"", colon + 1);
    size_t end = text.find_first_of("\",}", begin);
    return text.substr(begin, end - begin);
}

std::vector<Vector> ReadVectors(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream buffer;
    buffer << in.rdbuf();
    const std::string text = buffer.str();
    std::vector<Vector> vectors;
    for (size_t at = text.find('{'); at != std::string::npos; at = text.find('{', at + 1)) {
        vectors.push_back({FromHex(Field(text, at, "plain_hex")),
                           static_cast<uint32_t>(std::stoul(Field(text, at, "decoded_length"))),
                           FromHex(Field(text, at, "stream_hex"))});
    }
    return vectors;
}

const std::filesystem::path kVectors = PIPWICK_TEST_DATA "/lzhuf_vectors.json";

TEST(CompressedImage, DecodesStreamsOfAnIndependentEncoder) {
    const std::vector<Vector> vectors = ReadVectors(kVectors);
    ASSERT_EQ(vectors.size(), 8u);
    for (const Vector& v : vectors) {
        ASSERT_EQ(v.plain.size(), v.decodedLength);
        std::string error;
        const auto decoded =
            DecodeContainer(testing::WrapStream(v.stream, v.decodedLength), &error);
        ASSERT_TRUE(decoded) << error;
        EXPECT_EQ(*decoded, v.plain) << "length " << v.decodedLength;
    }
}

TEST(CompressedImage, ATruncatedStreamStillGivesTheDecodedLength) {
    const std::vector<Vector> vectors = ReadVectors(kVectors);
    ASSERT_EQ(vectors.size(), 8u);
    for (const Vector& v : vectors) {
        for (size_t keep : {size_t{0}, v.stream.size() / 2}) {
            const auto decoded = DecodeImage(std::span(v.stream).first(keep), v.decodedLength);
            EXPECT_EQ(decoded.size(), v.decodedLength);
        }
    }
}

TEST(CompressedImage, RefusesContainersWhoseFieldsLie) {
    const std::vector<uint8_t> stream = {0xCB, 0x00};
    const std::vector<uint8_t> good = testing::WrapStream(stream, 1, "a.bmp");
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    const auto edited = [&](auto edit) {
        std::vector<uint8_t> bytes = good;
        edit(bytes);
        return bytes;
    };
    std::vector<Case> cases = {
        {"total length too large", edited([](auto& b) { b[4] += 1; })},
        {"bytes beyond the total length", edited([](auto& b) { b.push_back(0); })},
        {"name past the end", edited([](auto& b) { b[13] = 200; })},
    };
    {
        auto bytes = testing::WrapStream({}, 1, "a.bmp");
        bytes.pop_back();
        bytes[4] -= 1;
        cases.push_back({"decoded length cut short", bytes});
    }
    cases.push_back({"decoded length above 1 MiB", testing::WrapStream(stream, (1 << 20) + 1)});
    for (size_t length = 0; length < good.size(); ++length) {
        std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<ptrdiff_t>(length));
        cases.push_back({"truncated", cut});
    }
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(DecodeContainer(c.bytes, &error)) << c.what << " " << c.bytes.size();
        EXPECT_FALSE(error.empty()) << c.what;
    }
    std::string error;
    EXPECT_TRUE(DecodeContainer(testing::WrapStream(stream, 1 << 20), &error)) << error;
}

TEST(ImageStore, HoldsFiveImagesUntilReleased) {
    const std::vector<uint8_t> stream = {0xCB, 0x00};
    const ResourceSource source = [&](int32_t id) -> std::optional<std::vector<uint8_t>> {
        if (id == 1) {
            return testing::WrapStream(stream, 1);
        }
        if (id == 2) {
            return std::vector<uint8_t>{'Q', 'M', '1'};
        }
        return std::nullopt;
    };
    ImageStore store;
    std::string error;
    for (int32_t i = 0; i < ImageStore::kSlotCount; ++i) {
        const auto image = store.LoadCompressedImage(source, 1, &error);
        ASSERT_TRUE(image) << error;
        EXPECT_EQ(std::vector<uint8_t>(image->begin(), image->end()), std::vector<uint8_t>{0x0A});
    }
    EXPECT_FALSE(store.LoadCompressedImage(source, 1, &error));
    EXPECT_NE(error.find("slots"), std::string::npos) << error;
    store.FreeImageSlots();
    EXPECT_EQ(store.FilledSlots(), 0);

    EXPECT_FALSE(store.LoadCompressedImage(source, 7, &error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
    EXPECT_FALSE(store.LoadCompressedImage(source, 2, &error));
    EXPECT_NE(error.find("too short"), std::string::npos) << error;
    EXPECT_FALSE(store.LoadCompressedImage(ResourceSource{}, 1, &error));
    EXPECT_EQ(store.FilledSlots(), 0);

    store.ResetImageSlots();
    EXPECT_TRUE(store.LoadCompressedImage(source, 1, &error));
    EXPECT_EQ(store.FilledSlots(), 1);
}

}  // namespace
}  // namespace pipwick
