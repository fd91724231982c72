#include "tools/artwork/contact_sheet.h"

#include <algorithm>

#include "assets/domino_sets.h"
#include "table/strip_geometry.h"
#include "tools/artwork/tile_preview.h"

namespace pipwick::artwork {

namespace {

constexpr int32_t kMargin = 16;
constexpr uint32_t kSheetColour = 0xD4D4D0;
constexpr int32_t kStripZoom[3] = {3, 2, 2};
constexpr int32_t kPanelZoom = 2;

void PasteEnlarged(Canvas& sheet, const Canvas& picture, Point at, int32_t zoom) {
    for (int32_t y = 0; y < picture.Height() * zoom; ++y) {
        for (int32_t x = 0; x < picture.Width() * zoom; ++x) {
            sheet.SetPixel(at.x + x, at.y + y, picture.Pixel(x / zoom, y / zoom));
        }
    }
}

// Tiles of one set at one size on the table colour: four upright (plain, highlighted, plain,
// face down) above two lying ones.
Canvas TablePanel(const Canvas& strip, double scale) {
    const StripGeometry g(scale);
    const int32_t gap = Scaled(6, scale);
    Canvas panel(4 * g.tileWidth + 5 * gap, g.tileHeight + g.tileWidth + 3 * gap,
                 BackgroundColorOf({}));
    const TilePreview uprights[4] = {
        {6, 4, false, false, false},
        {5, 3, false, true, false},
        {2, 1, false, false, false},
        {0, 0, false, false, true},
    };
    for (int32_t i = 0; i < 4; ++i) {
        DrawTilePreview(panel, {gap + i * (g.tileWidth + gap), gap}, strip, g, uprights[i]);
    }
    const int32_t lyingTop = 2 * gap + g.tileHeight;
    DrawTilePreview(panel, {gap, lyingTop}, strip, g, {6, 5, true, false, false});
    DrawTilePreview(panel, {2 * gap + g.tileHeight, lyingTop}, strip, g,
                    {3, 0, true, false, false});
    return panel;
}

}  // namespace

Canvas MakeContactSheet(const StripSet& strips) {
    int32_t stripsWidth = 0, rowHeight = 0, panelsWidth = 0;
    std::array<Canvas, 3> panelsOfFirst;
    for (int32_t size = 0; size < 3; ++size) {
        stripsWidth += kStripWidth[size] * kStripZoom[size] + kMargin;
        rowHeight = std::max(rowHeight, kStripHeight[size] * kStripZoom[size]);
        panelsOfFirst[size] = TablePanel(strips[0][size], ScaleOfSizeClass(size));
        panelsWidth += panelsOfFirst[size].Width() * kPanelZoom + kMargin;
    }
    Canvas sheet(kMargin + stripsWidth + kMargin + panelsWidth, kMargin + 7 * (rowHeight + kMargin),
                 kSheetColour);
    for (int32_t set = 0; set < 7; ++set) {
        const int32_t top = kMargin + set * (rowHeight + kMargin);
        int32_t x = kMargin;
        for (int32_t size = 0; size < 3; ++size) {
            PasteEnlarged(sheet, strips[set][size], {x, top}, kStripZoom[size]);
            x += kStripWidth[size] * kStripZoom[size] + kMargin;
        }
        x += kMargin;
        for (int32_t size = 0; size < 3; ++size) {
            const Canvas panel = TablePanel(strips[set][size], ScaleOfSizeClass(size));
            PasteEnlarged(sheet, panel, {x, top}, kPanelZoom);
            x += panel.Width() * kPanelZoom + kMargin;
        }
    }
    return sheet;
}

}  // namespace pipwick::artwork
