#include "assets/bitmap_file.h"

#include <algorithm>
#include <cstddef>
#include <limits>

#include "assets/byte_order.h"

namespace pipwick {

namespace {

constexpr int32_t kLargestSide = 16384;

int32_t RowStride(int32_t width, int32_t bitsPerPixel) {
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

void PutHeaders(std::vector<uint8_t>& out, int32_t width, int32_t height, int32_t bitsPerPixel,
                int32_t colourCount) {
    const int32_t pixelOffset = kBitmapHeadersSize + colourCount * 4;
    const int32_t imageSize = RowStride(width, bitsPerPixel) * height;
    out.push_back('B');
    out.push_back('M');
    PutLittle32(out, static_cast<uint32_t>(pixelOffset + imageSize));
    PutLittle32(out, 0);
    PutLittle32(out, static_cast<uint32_t>(pixelOffset));
    PutLittle32(out, 40);
    PutLittle32(out, static_cast<uint32_t>(width));
    PutLittle32(out, static_cast<uint32_t>(height));
    PutLittle16(out, 1);
    PutLittle16(out, static_cast<uint16_t>(bitsPerPixel));
    PutLittle32(out, 0);  // no compression
    PutLittle32(out, static_cast<uint32_t>(imageSize));
    PutLittle32(out, 2835);  // 72 dots per inch
    PutLittle32(out, 2835);
    PutLittle32(out, static_cast<uint32_t>(colourCount));
    PutLittle32(out, 0);
}

}  // namespace

std::optional<IndexedBitmap> ReadBitmap8(std::span<const uint8_t> file, std::string* error) {
    auto fail = [error](const char* message) -> std::optional<IndexedBitmap> {
        if (error != nullptr) {
            *error = message;
        }
        return std::nullopt;
    };
    if (file.size() < static_cast<size_t>(kBitmap8PixelOffset)) {
        return fail("bitmap file too short for its headers and colour table");
    }
    if (file[0] != 'B' || file[1] != 'M') {
        return fail("not a bitmap file (no \"BM\" signature)");
    }
    const uint32_t pixelOffset = Little32(file, 10);
    const uint32_t infoSize = Little32(file, 14);
    const int32_t width = static_cast<int32_t>(Little32(file, 18));
    const int32_t storedHeight = static_cast<int32_t>(Little32(file, 22));
    const uint16_t planes = Little16(file, 26);
    const uint16_t bitsPerPixel = Little16(file, 28);
    const uint32_t compression = Little32(file, 30);
    const uint32_t coloursUsed = Little32(file, 46);
    if (infoSize != 40) {
        return fail("bitmap information header is not the 40-byte kind");
    }
    if (planes != 1 || bitsPerPixel != 8 || compression != 0) {
        return fail("bitmap is not an uncompressed 8-bit picture");
    }
    if (coloursUsed != 0 && coloursUsed != 256) {
        return fail("bitmap colour table does not have 256 entries");
    }
    // A negative height means rows stored top down; the most negative one has no positive twin.
    if (storedHeight == std::numeric_limits<int32_t>::min()) {
        return fail("bitmap width or height out of range");
    }
    const int32_t height = storedHeight < 0 ? -storedHeight : storedHeight;
    if (width <= 0 || width > kLargestSide || height <= 0 || height > kLargestSide) {
        return fail("bitmap width or height out of range");
    }
    const uint64_t stride = static_cast<uint64_t>(RowStride(width, 8));
    if (pixelOffset < static_cast<uint32_t>(kBitmap8PixelOffset) ||
        pixelOffset + stride * static_cast<uint64_t>(height) > file.size()) {
        return fail("bitmap pixel rows lie past the end of the file");
    }

    IndexedBitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    for (size_t i = 0; i < 256; ++i) {
        const size_t entry = kBitmapHeadersSize + i * 4;
        bitmap.colours[i] = static_cast<uint32_t>(file[entry + 2]) << 16 |
                            static_cast<uint32_t>(file[entry + 1]) << 8 | file[entry];
        bitmap.flags[i] = file[entry + 3];
    }
    bitmap.pixels.resize(static_cast<size_t>(width) * height);
    for (int32_t y = 0; y < height; ++y) {
        const int32_t fileRow = storedHeight < 0 ? y : height - 1 - y;
        const auto row = file.begin() + pixelOffset + stride * fileRow;
        std::copy(row, row + width, bitmap.pixels.begin() + static_cast<ptrdiff_t>(y) * width);
    }
    return bitmap;
}

std::vector<uint8_t> WriteBitmap8(const IndexedBitmap& bitmap) {
    std::vector<uint8_t> out;
    PutHeaders(out, bitmap.width, bitmap.height, 8, 256);
    for (size_t i = 0; i < 256; ++i) {
        out.push_back(static_cast<uint8_t>(bitmap.colours[i]));
        out.push_back(static_cast<uint8_t>(bitmap.colours[i] >> 8));
        out.push_back(static_cast<uint8_t>(bitmap.colours[i] >> 16));
        out.push_back(bitmap.flags[i]);
    }
    const int32_t padding = RowStride(bitmap.width, 8) - bitmap.width;
    for (int32_t y = bitmap.height - 1; y >= 0; --y) {
        for (int32_t x = 0; x < bitmap.width; ++x) {
            out.push_back(bitmap.Index(x, y));
        }
        out.insert(out.end(), static_cast<size_t>(padding), 0);
    }
    return out;
}

std::vector<uint8_t> WriteBitmap24(const Canvas& canvas) {
    std::vector<uint8_t> out;
    PutHeaders(out, canvas.Width(), canvas.Height(), 24, 0);
    const int32_t padding = RowStride(canvas.Width(), 24) - canvas.Width() * 3;
    for (int32_t y = canvas.Height() - 1; y >= 0; --y) {
        for (int32_t x = 0; x < canvas.Width(); ++x) {
            const uint32_t colour = canvas.Pixel(x, y);
            out.push_back(static_cast<uint8_t>(colour));
            out.push_back(static_cast<uint8_t>(colour >> 8));
            out.push_back(static_cast<uint8_t>(colour >> 16));
        }
        out.insert(out.end(), static_cast<size_t>(padding), 0);
    }
    return out;
}

void CopyBitmapToCanvas(const IndexedBitmap& bitmap, const Rect& from, Canvas& canvas, Point to) {
    const int32_t left = std::max({from.left, 0, from.left - to.x});
    const int32_t top = std::max({from.top, 0, from.top - to.y});
    const int32_t right = std::min({from.right, bitmap.width, from.left + canvas.Width() - to.x});
    const int32_t bottom =
        std::min({from.bottom, bitmap.height, from.top + canvas.Height() - to.y});
    for (int32_t y = top; y < bottom; ++y) {
        for (int32_t x = left; x < right; ++x) {
            canvas.SetPixel(to.x + x - from.left, to.y + y - from.top, bitmap.Colour(x, y));
        }
    }
}

}  // namespace pipwick
