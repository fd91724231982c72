// pipwick-artwork --bitmaps DIR --sample FILE [--contact-sheet FILE]
//
// Paints the seven domino sets in their three sizes and writes each as the 8-bit bitmap file
// named in the set table, into DIR; writes the preferences sample (the seven double-six tiles and
// their mask) to FILE; and, when asked, a contact sheet of everything as a 24-bit bitmap.
#include <filesystem>
#include <iostream>
#include <string>

#include "assets/bitmap_file.h"
#include "assets/domino_sets.h"
#include "assets/file_bytes.h"
#include "tools/artwork/contact_sheet.h"
#include "tools/artwork/palette_quantizer.h"
#include "tools/artwork/strip_painter.h"
#include "tools/artwork/tile_preview.h"

namespace {

using namespace pipwick;
using namespace pipwick::artwork;

Canvas ColoursOf(const IndexedBitmap& bitmap) {
    Canvas canvas(bitmap.width, bitmap.height);
    CopyBitmapToCanvas(bitmap, {0, 0, bitmap.width, bitmap.height}, canvas, {0, 0});
    return canvas;
}

// Seven double-six tiles, one below the other, each composed from its set's small strip, black
// outside the tile; then the upright mask at y 301.
IndexedBitmap PaintSample(const StripSet& strips) {
    const StripGeometry g(1.0);
    Canvas sample(g.tileWidth, 8 * g.tileHeight, 0);
    for (int32_t set = 0; set < kDominoSetCount; ++set) {
        DrawTilePreview(sample, {0, set * g.tileHeight}, strips[set][0], g, {6, 6});
    }
    sample.Copy(0, kDominoSetCount * g.tileHeight, g.tileWidth, g.tileHeight, strips[0][0],
                g.uprightMask.left, g.uprightMask.top);
    return Quantize(sample);
}

bool Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    if (!WriteFileBytes(path, bytes)) {
        std::cerr << "pipwick-artwork: cannot write " << path << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::filesystem::path bitmaps, samplePath, sheetPath;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--bitmaps") {
            bitmaps = argv[i + 1];
        } else if (option == "--sample") {
            samplePath = argv[i + 1];
        } else if (option == "--contact-sheet") {
            sheetPath = argv[i + 1];
        } else {
            bitmaps.clear();
            break;
        }
    }
    if (bitmaps.empty() || samplePath.empty() || argc % 2 == 0) {
        std::cerr << "usage: pipwick-artwork --bitmaps DIR --sample FILE [--contact-sheet FILE]\n";
        return 2;
    }

    StripSet strips;
    for (int32_t set = 1; set <= kDominoSetCount; ++set) {
        for (int32_t size = 0; size < kSizeClassCount; ++size) {
            const StripGeometry geometry(ScaleOfSizeClass(size));
            const IndexedBitmap bitmap = Quantize(PaintStrip(StyleOfSet(set), geometry));
            strips[set - 1][size] = ColoursOf(bitmap);
            const auto resource = FindDominoSetResource(set, size);
            if (!Write(bitmaps / resource->fileName, WriteBitmap8(bitmap))) {
                return 1;
            }
        }
    }
    if (!Write(samplePath, WriteBitmap8(PaintSample(strips)))) {
        return 1;
    }
    if (!sheetPath.empty() && !Write(sheetPath, WriteBitmap24(MakeContactSheet(strips)))) {
        return 1;
    }
    return 0;
}
