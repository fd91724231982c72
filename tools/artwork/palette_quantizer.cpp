#include "tools/artwork/palette_quantizer.h"

#include <algorithm>
#include <map>
#include <vector>

#include "assets/domino_sets.h"

namespace pipwick::artwork {

namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;

int32_t Channel(uint32_t colour, int32_t channel) {
    return static_cast<int32_t>(colour >> (16 - 8 * channel)) & 0xFF;
}

struct Weighted {
    uint32_t colour;
    uint32_t count;
};

using Box = std::vector<Weighted>;

int32_t WidestChannel(const Box& box, int32_t* range) {
    int32_t best = 0;
    *range = -1;
    for (int32_t channel = 0; channel < 3; ++channel) {
        int32_t low = 255, high = 0;
        for (const Weighted& w : box) {
            low = std::min(low, Channel(w.colour, channel));
            high = std::max(high, Channel(w.colour, channel));
        }
        if (high - low > *range) {
            *range = high - low;
            best = channel;
        }
    }
    return best;
}

// Splits the box with the widest spread of colours at the weighted median of that spread.
bool SplitWidest(std::vector<Box>& boxes) {
    size_t widest = boxes.size();
    int32_t widestRange = 0;
    for (size_t i = 0; i < boxes.size(); ++i) {
        int32_t range = 0;
        WidestChannel(boxes[i], &range);
        if (boxes[i].size() > 1 && range > widestRange) {
            widest = i;
            widestRange = range;
        }
    }
    if (widest == boxes.size()) {
        return false;
    }
    Box& box = boxes[widest];
    int32_t range = 0;
    const int32_t channel = WidestChannel(box, &range);
    std::sort(box.begin(), box.end(), [channel](const Weighted& x, const Weighted& y) {
        return Channel(x.colour, channel) < Channel(y.colour, channel);
    });
    uint64_t total = 0;
    for (const Weighted& w : box) {
        total += w.count;
    }
    uint64_t running = 0;
    size_t cut = 1;
    for (; cut < box.size() - 1; ++cut) {
        running += box[cut - 1].count;
        if (running * 2 >= total) {
            break;
        }
    }
    Box upper(box.begin() + static_cast<ptrdiff_t>(cut), box.end());
    box.resize(cut);
    boxes.push_back(std::move(upper));
    return true;
}

uint32_t MeanColour(const Box& box) {
    double sum[3] = {0, 0, 0};
    double count = 0;
    for (const Weighted& w : box) {
        for (int32_t channel = 0; channel < 3; ++channel) {
            sum[channel] += static_cast<double>(Channel(w.colour, channel)) * w.count;
        }
        count += w.count;
    }
    uint32_t colour = 0;
    for (int32_t channel = 0; channel < 3; ++channel) {
        colour = colour << 8 | static_cast<uint32_t>(sum[channel] / count + 0.5);
    }
    // A mean of coloured pixels never stands for the reserved black.
    return colour == kBlack ? 0x010101 : colour;
}

int32_t Distance(uint32_t x, uint32_t y) {
    int32_t total = 0;
    for (int32_t channel = 0; channel < 3; ++channel) {
        const int32_t d = Channel(x, channel) - Channel(y, channel);
        total += d * d;
    }
    return total;
}

}  // namespace

IndexedBitmap Quantize(const Canvas& picture) {
    std::map<uint32_t, uint32_t> histogram;
    for (uint32_t colour : picture.Pixels()) {
        if (colour != kBlack && colour != kWhite) {
            ++histogram[colour];
        }
    }
    std::vector<uint8_t> freeEntries;
    for (int32_t i = 1; i < 255; ++i) {
        if (i != kBackgroundColourIndex) {
            freeEntries.push_back(static_cast<uint8_t>(i));
        }
    }

    std::vector<Box> boxes;
    if (!histogram.empty()) {
        boxes.emplace_back();
        for (const auto& [colour, count] : histogram) {
            boxes.front().push_back({colour, count});
        }
        while (boxes.size() < freeEntries.size() && SplitWidest(boxes)) {
        }
    }

    IndexedBitmap bitmap;
    bitmap.width = picture.Width();
    bitmap.height = picture.Height();
    bitmap.colours[255] = kWhite;
    for (size_t i = 0; i < boxes.size(); ++i) {
        bitmap.colours[freeEntries[i]] = MeanColour(boxes[i]);
    }
    std::map<uint32_t, uint8_t> nearest = {{kBlack, 0}, {kWhite, 255}};
    bitmap.pixels.reserve(picture.Pixels().size());
    for (uint32_t colour : picture.Pixels()) {
        auto found = nearest.find(colour);
        if (found == nearest.end()) {
            uint8_t best = freeEntries.front();
            for (size_t i = 0; i < boxes.size(); ++i) {
                if (Distance(colour, bitmap.colours[freeEntries[i]]) <
                    Distance(colour, bitmap.colours[best])) {
                    best = freeEntries[i];
                }
            }
            found = nearest.emplace(colour, best).first;
        }
        bitmap.pixels.push_back(found->second);
    }
    return bitmap;
}

}  // namespace pipwick::artwork
