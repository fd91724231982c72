#include "assets/domino_sets.h"

#include <algorithm>

#include "assets/bitmap_file.h"

namespace pipwick {

namespace {

// Indexed by set x 3 + size class, as the settings number them (set 0 is never chosen).
constexpr DominoSetResource kResources[(kDominoSetCount + 1) * kSizeClassCount] = {
    {0, ""},
    {0, ""},
    {0, ""},
    {194, "wooddoms.bmp"},
    {193, "wooddomm.bmp"},
    {192, "wooddom.bmp"},
    {195, "blakdoms.bmp"},
    {174, "blakdomm.bmp"},
    {173, "blakdom.bmp"},
    {182, "bonedoms.bmp"},
    {181, "bonedomm.bmp"},
    {180, "bonedom.bmp"},
    {191, "reddoms.bmp"},
    {190, "reddomm.bmp"},
    {189, "reddom.bmp"},
    {185, "grendoms.bmp"},
    {184, "grendomm.bmp"},
    {183, "grendom.bmp"},
    {179, "bluedoms.bmp"},
    {178, "bluedomm.bmp"},
    {177, "bluedom.bmp"},
    {188, "marbdoms.bmp"},
    {187, "marbdomm.bmp"},
    {186, "Marbdom.bmp"},
};

constexpr uint32_t Rgb(int32_t red, int32_t green, int32_t blue) {
    return static_cast<uint32_t>(red) << 16 | static_cast<uint32_t>(green) << 8 |
           static_cast<uint32_t>(blue);
}

// Table canvas areas in design units: left, top, right, bottom.
constexpr Rect kStripArea = {0, 0, 44, 135};
constexpr Rect kComposingArea = {0, 250, 44, 300};
constexpr Rect kBackgroundColumn = {0, 300, 44, 480};
constexpr Rect kTablePicture = {44, 0, 684, 480};
constexpr int32_t kCanvasWidth = 688;
constexpr int32_t kCanvasHeight = 480;

Rect ScaledRect(const Rect& units, double scale) {
    return {Scaled(units.left, scale), Scaled(units.top, scale), Scaled(units.right, scale),
            Scaled(units.bottom, scale)};
}

constexpr int32_t kSampleMaskTop = 301;

}  // namespace

std::optional<DominoSetResource> FindDominoSetResource(int32_t dominoSet, int32_t sizeClass) {
    if (dominoSet < 1 || dominoSet > kDominoSetCount || sizeClass < 0 ||
        sizeClass >= kSizeClassCount) {
        return std::nullopt;
    }
    return kResources[dominoSet * kSizeClassCount + sizeClass];
}

double ScaleOfSizeClass(int32_t sizeClass) {
    return 1.0 + 0.5 * sizeClass;
}

uint32_t BackgroundColorOf(const BackgroundSettings& settings) {
    switch (settings.choice) {
        case 2:
            return Rgb(198, 222, 198);
        case 3:
            return Rgb(192, 192, 192);
        case 4:
            return Rgb(0, 128, 128);
        case 5:
            return Rgb(255, 228, 228);
        case 6:
            return Rgb(0, 0, 0);
        case 7:
            return Rgb(0, 0, 128);
        default:
            break;
    }
    if (settings.choice <= 1) {
        return Rgb(206, 222, 239);
    }
    return Rgb(std::clamp(settings.red, 0, 255), std::clamp(settings.green, 0, 255),
               std::clamp(settings.blue, 0, 255));
}

std::optional<std::string> LoadDominoSet(int32_t dominoSet, int32_t sizeClass,
                                         const BackgroundSettings& background, uint32_t buttonFace,
                                         const ResourceSource& source, TableCanvas& table) {
    const auto resource = FindDominoSetResource(dominoSet, sizeClass);
    if (!resource) {
        return "no domino set " + std::to_string(dominoSet) + " in size " +
               std::to_string(sizeClass);
    }
    ImageStore store;
    store.ResetImageSlots();
    std::string error;
    const auto file = store.LoadCompressedImage(source, resource->id, &error);
    if (!file) {
        return error;
    }
    auto artwork = ReadBitmap8(*file, &error);
    store.FreeImageSlots();
    const double scale = ScaleOfSizeClass(sizeClass);
    const Rect strip = ScaledRect(kStripArea, scale);
    if (!artwork) {
        return "domino set " + std::to_string(resource->id) + ": " + error;
    }
    if (artwork->width < strip.right || artwork->height < strip.bottom) {
        return "domino set " + std::to_string(resource->id) + " is smaller than its strip";
    }

    TableCanvas built;
    built.scale = scale;
    built.canvas = Canvas(Scaled(kCanvasWidth, scale), Scaled(kCanvasHeight, scale));
    built.backgroundColor = BackgroundColorOf(background);
    artwork->colours[kBackgroundColourIndex] = built.backgroundColor;
    built.palette = artwork->colours;
    CopyBitmapToCanvas(*artwork, strip, built.canvas, {0, 0});
    built.canvas.Fill(ScaledRect(kTablePicture, scale), built.backgroundColor);
    built.canvas.Fill(ScaledRect(kBackgroundColumn, scale), built.backgroundColor);
    built.canvas.Fill(ScaledRect(kComposingArea, scale), buttonFace);
    table = std::move(built);
    return std::nullopt;
}

Point SamplePosition(const Rect& setGroupBox, const Rect& setEditBox) {
    return {(setGroupBox.left + setEditBox.left) / 2 - 11,
            (setGroupBox.top + setGroupBox.bottom) / 2 - 22};
}

Rect SwatchRect(const Rect& colourGroupBox, const Rect& colourEditBox) {
    const int32_t x = (colourGroupBox.left + colourEditBox.left) / 2;
    const int32_t y = (colourEditBox.top + colourEditBox.bottom) / 2;
    return {x - 35, y - 48, x + 36, y + 48};
}

std::optional<std::string> DrawDominoSample(Canvas& dialog, int32_t dominoSet, uint32_t colour,
                                            Point sample, const Rect& swatch,
                                            const ResourceSource& source) {
    if (dominoSet < 1 || dominoSet > kDominoSetCount) {
        return "no domino set " + std::to_string(dominoSet);
    }
    const auto file = source ? source(kSampleBitmapId) : std::nullopt;
    if (!file) {
        return "sample bitmap " + std::to_string(kSampleBitmapId) + " is missing";
    }
    std::string error;
    auto bitmap = ReadBitmap8(*file, &error);
    if (!bitmap) {
        return "sample bitmap: " + error;
    }
    if (bitmap->width < kSampleSide || bitmap->height < kSampleMaskTop + kSampleHeight) {
        return "sample bitmap is too small";
    }
    bitmap->colours[kBackgroundColourIndex] = colour;
    Canvas pictures(bitmap->width, bitmap->height);
    CopyBitmapToCanvas(*bitmap, {0, 0, bitmap->width, bitmap->height}, pictures, {0, 0});
    dialog.And(sample.x, sample.y, kSampleSide, kSampleHeight, pictures, 0, kSampleMaskTop);
    dialog.Or(sample.x, sample.y, kSampleSide, kSampleHeight, pictures, 0,
              (dominoSet - 1) * kSampleHeight);
    dialog.Fill(swatch, colour);
    return std::nullopt;
}

}  // namespace pipwick
