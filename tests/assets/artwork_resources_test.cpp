#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "assets/bitmap_file.h"
#include "assets/byte_order.h"
#include "assets/compressed_image.h"
#include "assets/domino_sets.h"
#include "table/pip_patterns.h"
#include "table/strip_geometry.h"
#include "tests/assets/built_resources.h"

namespace pipwick {
namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kDecodedLength[kSizeClassCount] = {7018, 14814, 24838};

IndexedBitmap BuiltArtwork(int32_t set, int32_t size) {
    const auto resource = FindDominoSetResource(set, size);
    const auto file = ReadFileBytes(testing::kArtworkBitmaps / resource->fileName);
    std::string error;
    auto bitmap = file ? ReadBitmap8(*file, &error) : std::nullopt;
    EXPECT_TRUE(bitmap) << resource->fileName << ": " << error;
    return bitmap ? *bitmap : IndexedBitmap{};
}

// The areas of the strip that the tile drawing reads at a scale, by its own rules: the dividing
// lines are read one pixel wider and higher at 1.5 and 2.0 (and the standing one a row higher at
// 1.5) than their regions, so the artwork must hold line there too.
struct ReadAreas {
    Rect uprightFace, highlightFace, lyingFace, uprightMask, lyingMask;
    Rect lyingLine, highlightLyingLine, standingLine, pip, highlightPip;
};

ReadAreas AreasReadAt(double s) {
    const int32_t a = s == 1.5 ? 1 : 0, b = s == 2.0 ? 1 : 0;
    auto t = [](double pixels) { return static_cast<int32_t>(pixels); };
    auto area = [](int32_t x, int32_t y, int32_t w, int32_t h) { return Rect{x, y, x + w, y + h}; };
    const int32_t f = t(22 * s);
    return {
        area(0, 0, t(22 * s), t(43 * s)),
        area(f, 0, t(22 * s), t(43 * s)),
        area(0, t(48 * s), t(43 * s), t(22 * s)),
        area(0, t(70 * s), t(22 * s), t(43 * s)),
        area(0, t(113 * s), t(43 * s), t(22 * s)),
        area(0, t(43 * s), t(13 * s + a + b), t(4 * s + a)),
        area(f, t(43 * s), t(13 * s + a + b), t(4 * s + a)),
        area(t(23 * s), t(71 * s - a), t(4 * s + a), t(13 * s + a + b)),
        area(t(14 * s), t(43 * s), t(5 * s), t(5 * s)),
        area(t(14 * s + f), t(43 * s), t(5 * s), t(5 * s)),
    };
}

bool Overlap(const Rect& x, const Rect& y) {
    return x.left < y.right && y.left < x.right && x.top < y.bottom && y.top < x.bottom;
}

TEST(ArtworkResources, EveryContainerDecodesToTheGeneratedBitmap) {
    for (int32_t set = 1; set <= kDominoSetCount; ++set) {
        for (int32_t size = 0; size < kSizeClassCount; ++size) {
            const auto resource = FindDominoSetResource(set, size);
            SCOPED_TRACE(resource->fileName);
            const auto container =
                ReadFileBytes(testing::kResources / "qm" / (std::to_string(resource->id) + ".qm"));
            ASSERT_TRUE(container);
            const auto header = ReadContainerHeader(*container, nullptr);
            ASSERT_TRUE(header);
            EXPECT_EQ(header->fileName, resource->fileName);
            EXPECT_EQ(header->decodedLength, kDecodedLength[size]);
            std::string error;
            const auto decoded = DecodeContainer(*container, &error);
            ASSERT_TRUE(decoded) << error;
            ASSERT_EQ(decoded->size(), kDecodedLength[size]);
            EXPECT_EQ((*decoded)[0], 'B');
            EXPECT_EQ((*decoded)[1], 'M');
            EXPECT_EQ(Little32(*decoded, 2), kDecodedLength[size]);
            EXPECT_EQ(*decoded, ReadFileBytes(testing::kArtworkBitmaps / resource->fileName));
        }
    }
}

TEST(ArtworkResources, ReadAreasLieInsideTheStripApart) {
    for (int32_t size = 0; size < kSizeClassCount; ++size) {
        const ReadAreas r = AreasReadAt(ScaleOfSizeClass(size));
        const Rect all[] = {r.uprightFace, r.highlightFace, r.lyingFace,          r.uprightMask,
                            r.lyingMask,   r.lyingLine,     r.highlightLyingLine, r.standingLine,
                            r.pip,         r.highlightPip};
        for (size_t i = 0; i < std::size(all); ++i) {
            EXPECT_GE(all[i].left, 0);
            EXPECT_GE(all[i].top, 0);
            EXPECT_LE(all[i].right, kStripWidth[size]) << i;
            EXPECT_LE(all[i].bottom, kStripHeight[size]) << i;
            for (size_t j = i + 1; j < std::size(all); ++j) {
                EXPECT_FALSE(Overlap(all[i], all[j])) << size << ": " << i << " and " << j;
            }
        }
    }
}

void ExpectMaskAndFace(const IndexedBitmap& art, const Rect& mask, const Rect& face) {
    int32_t white = 0;
    for (int32_t y = 0; y < mask.bottom - mask.top; ++y) {
        for (int32_t x = 0; x < mask.right - mask.left; ++x) {
            const uint32_t m = art.Colour(mask.left + x, mask.top + y);
            const uint32_t f = art.Colour(face.left + x, face.top + y);
            ASSERT_TRUE(m == kBlack || m == kWhite) << x << "," << y;
            EXPECT_EQ(f == kBlack, m == kWhite) << x << "," << y;
            white += m == kWhite;
        }
    }
    // Rounded corners: each corner pixel outside, the middle inside.
    EXPECT_EQ(art.Colour(mask.left, mask.top), kWhite);
    EXPECT_EQ(art.Colour(mask.right - 1, mask.bottom - 1), kWhite);
    EXPECT_EQ(art.Colour((mask.left + mask.right) / 2, (mask.top + mask.bottom) / 2), kBlack);
    EXPECT_LT(white, (mask.right - mask.left) * (mask.bottom - mask.top) / 10);
}

// A dividing line runs unbroken across the whole area read: some row (a column, for the
// standing line) holds one colour from end to end that is not a colour of the face along the
// piece's first row (column). The piece holds no black of the unused strip either.
void ExpectLine(const IndexedBitmap& art, const Rect& piece, bool standing) {
    const int32_t length = standing ? piece.bottom - piece.top : piece.right - piece.left;
    const int32_t across = standing ? piece.right - piece.left : piece.bottom - piece.top;
    auto at = [&](int32_t line, int32_t along) {
        return standing ? art.Colour(piece.left + line, piece.top + along)
                        : art.Colour(piece.left + along, piece.top + line);
    };
    bool found = false;
    for (int32_t i = 1; i < across && !found; ++i) {
        bool uniform = true;
        bool onFace = false;
        for (int32_t k = 0; k < length; ++k) {
            uniform = uniform && at(i, k) == at(i, 0);
            onFace = onFace || at(0, k) == at(i, 0);
        }
        found = uniform && !onFace;
    }
    EXPECT_TRUE(found) << "no unbroken line in " << piece.left << "," << piece.top;
    for (int32_t y = piece.top; y < piece.bottom; ++y) {
        for (int32_t x = piece.left; x < piece.right; ++x) {
            EXPECT_NE(art.Colour(x, y), kBlack) << x << "," << y;
        }
    }
}

void ExpectPip(const IndexedBitmap& art, const Rect& pip) {
    const uint32_t centre = art.Colour((pip.left + pip.right) / 2, (pip.top + pip.bottom) / 2);
    EXPECT_NE(centre, art.Colour(pip.left, pip.top));
    for (int32_t y = pip.top; y < pip.bottom; ++y) {
        for (int32_t x = pip.left; x < pip.right; ++x) {
            EXPECT_NE(art.Colour(x, y), kBlack) << x << "," << y;
        }
    }
}

TEST(ArtworkResources, PiecesHoldWhatTheDrawingReads) {
    for (int32_t set = 1; set <= kDominoSetCount; ++set) {
        for (int32_t size = 0; size < kSizeClassCount; ++size) {
            SCOPED_TRACE(FindDominoSetResource(set, size)->fileName);
            const IndexedBitmap art = BuiltArtwork(set, size);
            ASSERT_EQ(art.width, kStripWidth[size]);
            ASSERT_EQ(art.height, kStripHeight[size]);
            for (uint8_t index : art.pixels) {
                ASSERT_NE(index, kBackgroundColourIndex);
            }
            const ReadAreas r = AreasReadAt(ScaleOfSizeClass(size));
            ExpectMaskAndFace(art, r.uprightMask, r.uprightFace);
            ExpectMaskAndFace(art, r.uprightMask, r.highlightFace);
            ExpectMaskAndFace(art, r.lyingMask, r.lyingFace);
            ExpectLine(art, r.lyingLine, false);
            ExpectLine(art, r.highlightLyingLine, false);
            ExpectLine(art, r.standingLine, true);
            ExpectPip(art, r.pip);
            ExpectPip(art, r.highlightPip);
            // The highlight is a different face, not the plain one again.
            EXPECT_NE(art.Colour(r.uprightFace.right / 2, r.uprightFace.bottom / 2),
                      art.Colour(r.highlightFace.left + r.uprightFace.right / 2,
                                 r.uprightFace.bottom / 2));
        }
    }
}

TEST(ArtworkResources, SampleHoldsSevenDoubleSixesAndTheirMask) {
    const auto file = ReadFileBytes(testing::kResources / "bitmap" / "172.bmp");
    ASSERT_TRUE(file);
    std::string error;
    const auto sample = ReadBitmap8(*file, &error);
    ASSERT_TRUE(sample) << error;
    ASSERT_EQ(sample->width, 22);
    ASSERT_EQ(sample->height, 344);
    for (uint8_t index : sample->pixels) {
        ASSERT_NE(index, kBackgroundColourIndex);
    }
    for (int32_t set = 1; set <= kDominoSetCount; ++set) {
        SCOPED_TRACE(set);
        ExpectMaskAndFace(*sample, {0, 301, 22, 344}, {0, (set - 1) * 43, 22, set * 43});
    }
}

int32_t ColourDistance(uint32_t x, uint32_t y) {
    int32_t sum = 0;
    for (int shift : {0, 8, 16}) {
        sum += std::abs(static_cast<int32_t>((x >> shift) & 0xFF) -
                        static_cast<int32_t>((y >> shift) & 0xFF));
    }
    return sum;
}

// Which pixels of a pip piece show the dot: more than a third of the way from the face at the
// piece's corner to the pip at its centre.
std::vector<bool> DotOf(const IndexedBitmap& art, const Rect& pip) {
    const uint32_t face = art.Colour(pip.left, pip.top);
    const uint32_t dot = art.Colour((pip.left + pip.right) / 2, (pip.top + pip.bottom) / 2);
    const int32_t contrast = ColourDistance(face, dot);
    std::vector<bool> shown;
    for (int32_t y = pip.top; y < pip.bottom; ++y) {
        for (int32_t x = pip.left; x < pip.right; ++x) {
            shown.push_back(3 * ColourDistance(art.Colour(x, y), face) > contrast);
        }
    }
    return shown;
}

// The number of separate patches of dots when the piece is laid at each place of a pattern,
// counting dots that touch at a corner as one patch.
int32_t Patches(const std::vector<bool>& dot, int32_t side, const std::vector<Point>& places) {
    constexpr int32_t kRoom = 64;
    std::vector<int32_t> field(kRoom * kRoom, 0);  // 1 for a dot, then -1 once counted
    for (const Point& at : places) {
        for (int32_t y = 0; y < side; ++y) {
            for (int32_t x = 0; x < side; ++x) {
                if (dot[y * side + x]) {
                    field[(at.y + y) * kRoom + at.x + x] = 1;
                }
            }
        }
    }
    int32_t patches = 0;
    for (int32_t start = 0; start < kRoom * kRoom; ++start) {
        if (field[start] != 1) {
            continue;
        }
        ++patches;
        std::vector<int32_t> open{start};
        field[start] = -1;
        while (!open.empty()) {
            const int32_t here = open.back();
            open.pop_back();
            for (int32_t dy = -1; dy <= 1; ++dy) {
                for (int32_t dx = -1; dx <= 1; ++dx) {
                    const int32_t x = here % kRoom + dx, y = here / kRoom + dy;
                    if (x >= 0 && y >= 0 && x < kRoom && y < kRoom && field[y * kRoom + x] == 1) {
                        field[y * kRoom + x] = -1;
                        open.push_back(y * kRoom + x);
                    }
                }
            }
        }
    }
    return patches;
}

// The pips of a five and a six, upright and lying, laid out where the drawing puts them, each
// stay a dot of their own at every size: neighbouring pips do not run together.
TEST(ArtworkResources, PipsOfAFiveAndASixStayApart) {
    for (int32_t set = 1; set <= kDominoSetCount; ++set) {
        for (int32_t size = 0; size < kSizeClassCount; ++size) {
            SCOPED_TRACE(FindDominoSetResource(set, size)->fileName);
            const IndexedBitmap art = BuiltArtwork(set, size);
            const StripGeometry g(ScaleOfSizeClass(size));
            for (int32_t pips : {5, 6}) {
                std::vector<Point> upright, lying;
                for (int32_t i = 0; i < pips; ++i) {
                    const PipPlace u = kUprightPips[pips].places[i];
                    upright.push_back({g.uprightColumn[u.column], g.uprightRow[u.row]});
                    const PipPlace l = kLyingPips[pips].places[i];
                    lying.push_back({g.lyingColumn[l.column], g.lyingRow[l.row]});
                }
                for (const Rect& piece : {g.pip, g.highlightPip}) {
                    const std::vector<bool> dot = DotOf(art, piece);
                    EXPECT_EQ(Patches(dot, g.pipSide, upright), pips) << "upright " << pips;
                    EXPECT_EQ(Patches(dot, g.pipSide, lying), pips) << "lying " << pips;
                }
            }
        }
    }
}

}  // namespace
}  // namespace pipwick
