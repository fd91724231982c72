// The artwork is painted from functions of the position on a tile rather than from pictures:
// a surface (wood grain along the tile's length, glossy colour, ivory, veined marble), then a
// rim and a bevel that follow the rounded outline. Every size is painted at its own resolution;
// surface patterns are measured in small-size pixels so the sets look alike at every size.
//
// Lines and pips are separate pieces that the drawing copies onto a face. A line piece is painted
// with the face as it is at the place where the drawing puts it, so it joins the face without a
// seam; a pip piece takes its background from the upper centre pip's place.
#include "tools/artwork/strip_painter.h"

#include <algorithm>
#include <cmath>

namespace pipwick::artwork {

namespace {

Colour Mix(const Colour& from, const Colour& to, double amount) {
    return {from.r + (to.r - from.r) * amount, from.g + (to.g - from.g) * amount,
            from.b + (to.b - from.b) * amount};
}

Colour Scale(const Colour& c, double factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}

double Luminance(const Colour& c) {
    return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b + 1;
}

uint32_t Packed(const Colour& c) {
    auto channel = [](double v) {
        return static_cast<uint32_t>(std::clamp(static_cast<int>(std::lround(v)), 0, 255));
    };
    const uint32_t packed = channel(c.r) << 16 | channel(c.g) << 8 | channel(c.b);
    // Pure black is reserved for what lies outside a tile.
    return packed == 0 ? 0x010101 : packed;
}

double Hash(int32_t x, int32_t y, uint32_t seed) {
    uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
                 seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<double>((h ^ (h >> 16)) & 0xFFFF) / 65535.0;
}

double ValueNoise(double x, double y, uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int32_t ix = static_cast<int32_t>(fx), iy = static_cast<int32_t>(fy);
    auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    const double top = Hash(ix, iy, seed) + (Hash(ix + 1, iy, seed) - Hash(ix, iy, seed)) * tx;
    const double bottom =
        Hash(ix, iy + 1, seed) + (Hash(ix + 1, iy + 1, seed) - Hash(ix, iy + 1, seed)) * tx;
    return top + (bottom - top) * ty;
}

double Fractal(double x, double y, uint32_t seed) {
    return 0.57 * ValueNoise(x, y, seed) + 0.29 * ValueNoise(2 * x, 2 * y, seed + 1) +
           0.14 * ValueNoise(4 * x, 4 * y, seed + 2);
}

// The surface at a point given in small-size pixels, u along the tile and v across it.
Colour Surface(const SetStyle& style, double u, double v) {
    switch (style.surface) {
        case Surface::WoodGrain: {
            const double warp = 3.2 * Fractal(u * 0.05, v * 0.22, 11);
            const double ring = 0.5 + 0.5 * std::sin(v * 1.45 + warp * 2.4);
            const double fibre = Fractal(u * 0.6, v * 2.5, 12);
            return Mix(style.face, style.faceDetail, 0.42 * std::pow(ring, 3) + 0.16 * fibre);
        }
        case Surface::Marble: {
            const double turbulence = 2.8 * Fractal(u * 0.09, v * 0.09, 21);
            const double vein = std::abs(std::sin(u * 0.16 + v * 0.30 + turbulence * 2.2));
            const double fine = std::abs(std::sin(u * 0.05 - v * 0.42 + turbulence * 3.1));
            const double cloud = Fractal(u * 0.2, v * 0.2, 22);
            Colour c = Mix(style.face, Colour{214, 214, 220}, 0.5 * cloud);
            c = Mix(c, style.faceDetail, 0.65 * std::pow(1 - vein, 9));
            return Mix(c, style.faceDetail, 0.35 * std::pow(1 - fine, 14));
        }
        case Surface::Ivory:
            return Mix(style.face, style.faceDetail, 0.3 * ValueNoise(u * 0.08, v * 0.16, 31));
        case Surface::Gloss:
            break;
    }
    return Mix(style.face, style.faceDetail, 0.25 * ValueNoise(u * 0.05, v * 0.05, 41));
}

// Signed distance from a pixel centre to the outline of a tile with rounded corners, negative
// inside, and the outward direction of the outline there.
struct Edge {
    double distance;
    double nx, ny;
};

Edge TileEdge(double px, double py, int32_t width, int32_t height, double radius) {
    const double hx = width / 2.0, hy = height / 2.0;
    const double dx = px - hx, dy = py - hy;
    const double qx = std::abs(dx) - (hx - radius), qy = std::abs(dy) - (hy - radius);
    const double sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
    if (qx > 0 && qy > 0) {
        const double length = std::hypot(qx, qy);
        return {length - radius, sx * qx / length, sy * qy / length};
    }
    if (qx > qy) {
        return {qx - radius, sx, 0};
    }
    return {qy - radius, 0, sy};
}

struct FacePainter {
    const SetStyle& style;
    const StripGeometry& geometry;
    bool highlight;

    // A mask is either in or out, so a corner rounds only as far as whole pixels can show it: a
    // radius of 3 at the small size would cut a single pixel and leave the corner square. From
    // 4 pixels up it steps round over two rows, as the larger sizes do over more.
    double Radius() const { return std::max(3.0 * geometry.scale, 4.0); }

    // The face of an upright tile (width x height) or a lying one at pixel (x, y) of the tile;
    // nothing outside the outline.
    bool Inside(int32_t x, int32_t y, int32_t width, int32_t height) const {
        return TileEdge(x + 0.5, y + 0.5, width, height, Radius()).distance < 0;
    }

    Colour At(int32_t x, int32_t y, int32_t width, int32_t height) const {
        const double s = geometry.scale;
        const double px = x + 0.5, py = y + 0.5;
        const bool upright = height > width;
        const double u = (upright ? py : px) / s, v = (upright ? px : py) / s;
        Colour c = Surface(style, u, v);
        if (highlight) {
            // Gold whatever the set, keeping only the light and shade of its surface.
            c = Scale(kHighlightFace, 0.9 + 0.1 * Luminance(c) / Luminance(style.face));
        }
        const Edge edge = TileEdge(px, py, width, height, Radius());
        const double depth = -edge.distance;
        const double rimWidth = s >= 2.0 ? 1.6 : 1.0;
        if (depth < rimWidth) {
            return highlight ? kHighlightRim : style.rim;
        }
        // A bevel lit from the top left, fading over a pixel and a half per small-size pixel.
        const double bevel = 1.7 * s;
        if (depth < rimWidth + bevel) {
            const double light = -(edge.nx + edge.ny) * 0.7071;
            const double strength = 1 - (depth - rimWidth) / bevel;
            c = light > 0 ? Mix(c, Colour{255, 255, 255}, 0.38 * light * strength)
                          : Scale(c, 1 + 0.30 * light * strength);
        }
        return c;
    }
};

void PaintFace(Canvas& strip, const FacePainter& painter, const Rect& area) {
    const int32_t width = area.right - area.left, height = area.bottom - area.top;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const bool inside = painter.Inside(x, y, width, height);
            strip.SetPixel(area.left + x, area.top + y,
                           inside ? Packed(painter.At(x, y, width, height)) : 0);
        }
    }
}

void PaintMask(Canvas& strip, const FacePainter& painter, const Rect& area) {
    const int32_t width = area.right - area.left, height = area.bottom - area.top;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            strip.SetPixel(area.left + x, area.top + y,
                           painter.Inside(x, y, width, height) ? 0 : 0xFFFFFF);
        }
    }
}

// The groove between the halves: a dark band along the tile's middle and a lit edge after it.
// `across` is the pixel's position across the line on the tile, `tileSpan` the tile's length
// in that direction.
Colour Groove(const Colour& face, const Colour& line, int32_t across, int32_t tileSpan,
              double scale) {
    const int32_t thickness = scale >= 1.5 ? 2 : 1;
    const int32_t first = (tileSpan - thickness) / 2;
    if (across >= first && across < first + thickness) {
        return line;
    }
    if (across == first + thickness) {
        return Mix(face, Colour{255, 255, 255}, 0.30);
    }
    if (across == first - 1) {
        return Scale(face, 0.9);
    }
    return face;
}

void PaintLyingLine(Canvas& strip, const FacePainter& painter, const Rect& area,
                    const Colour& line) {
    const StripGeometry& g = painter.geometry;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            const int32_t tx = g.lyingLineOnTile.x + x - area.left;
            const int32_t ty = g.lyingLineOnTile.y + y - area.top;
            const Colour face = painter.At(tx, ty, g.tileWidth, g.tileHeight);
            strip.SetPixel(x, y, Packed(Groove(face, line, ty, g.tileHeight, g.scale)));
        }
    }
}

void PaintStandingLine(Canvas& strip, const FacePainter& painter, const Rect& area,
                       const Colour& line) {
    const StripGeometry& g = painter.geometry;
    for (int32_t y = area.top; y < area.bottom; ++y) {
        for (int32_t x = area.left; x < area.right; ++x) {
            const int32_t tx = g.standingLineOnTile.x + x - area.left;
            const int32_t ty = g.standingLineOnTile.y + y - area.top;
            const Colour face = painter.At(tx, ty, g.tileHeight, g.tileWidth);
            strip.SetPixel(x, y, Packed(Groove(face, line, tx, g.tileHeight, g.scale)));
        }
    }
}

// Pips are drawn a piece apart. A dot 0.84 of the piece across leaves face between neighbours
// at the larger sizes, but the small piece is 5 pixels, so there it would reach the piece's edge
// and the pips of a six would run together: the small dot keeps to the middle 3 x 3 pixels,
// with a ring of face all round.
double PipRadius(double side) {
    constexpr double kSmallPiece = 5;
    return side > kSmallPiece ? side * 0.42 : side / 2 - 0.9;
}

// A round pip, sunk into the face: its colour shaded darker toward the top left, with a soft
// edge from 4 x 4 samples per pixel.
void PaintPip(Canvas& strip, const FacePainter& painter, const Rect& area, const Colour& pip) {
    const StripGeometry& g = painter.geometry;
    const double side = area.right - area.left;
    const double centre = side / 2, radius = PipRadius(side);
    for (int32_t y = 0; y < side; ++y) {
        for (int32_t x = 0; x < side; ++x) {
            const Colour face =
                painter.At(g.uprightColumn[1] + x, g.uprightRow[1] + y, g.tileWidth, g.tileHeight);
            int32_t covered = 0;
            for (int32_t sy = 0; sy < 4; ++sy) {
                for (int32_t sx = 0; sx < 4; ++sx) {
                    covered += std::hypot(x + (sx + 0.5) / 4 - centre,
                                          y + (sy + 0.5) / 4 - centre) < radius;
                }
            }
            const double dx = (x + 0.5 - centre) / radius, dy = (y + 0.5 - centre) / radius;
            const Colour shaded = Scale(pip, 1 - 0.12 * std::max(0.0, -(dx + dy)));
            strip.SetPixel(area.left + x, area.top + y, Packed(Mix(face, shaded, covered / 16.0)));
        }
    }
}

}  // namespace

Canvas PaintStrip(const SetStyle& style, const StripGeometry& g) {
    Canvas strip(Scaled(44, g.scale), Scaled(135, g.scale), 0);
    const FacePainter plain{style, g, false};
    const FacePainter highlight{style, g, true};
    PaintFace(strip, plain, g.uprightFace);
    PaintFace(strip, highlight, g.highlightFace);
    PaintFace(strip, plain, g.lyingFace);
    PaintMask(strip, plain, g.uprightMask);
    PaintMask(strip, plain, g.lyingMask);
    PaintLyingLine(strip, plain, g.lyingLine, style.line);
    PaintLyingLine(strip, highlight, g.highlightLyingLine, kHighlightLine);
    PaintStandingLine(strip, plain, g.standingLine, style.line);
    PaintPip(strip, plain, g.pip, style.pip);
    PaintPip(strip, highlight, g.highlightPip, kHighlightPip);
    return strip;
}

}  // namespace pipwick::artwork
