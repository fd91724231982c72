#include "tools/artwork/set_styles.h"

namespace pipwick::artwork {

namespace {

constexpr SetStyle kStyles[7] = {
    {"wood",
     Surface::WoodGrain,
     {204, 150, 92},
     {150, 94, 48},
     {44, 24, 12},
     {92, 54, 26},
     {84, 48, 22}},
    {"black",
     Surface::Gloss,
     {38, 38, 44},
     {70, 70, 80},
     {246, 244, 236},
     {150, 150, 160},
     {120, 120, 132}},
    {"bone",
     Surface::Ivory,
     {242, 234, 212},
     {222, 208, 176},
     {28, 24, 22},
     {128, 114, 92},
     {140, 124, 96}},
    {"red",
     Surface::Gloss,
     {196, 30, 38},
     {150, 16, 24},
     {252, 250, 244},
     {250, 190, 190},
     {96, 8, 12}},
    {"green",
     Surface::Gloss,
     {26, 136, 64},
     {14, 96, 42},
     {252, 250, 244},
     {178, 234, 196},
     {8, 60, 24}},
    {"blue",
     Surface::Gloss,
     {34, 80, 184},
     {20, 50, 130},
     {252, 250, 244},
     {184, 204, 250},
     {10, 28, 90}},
    {"marble",
     Surface::Marble,
     {236, 234, 230},
     {120, 122, 132},
     {30, 30, 36},
     {110, 110, 118},
     {128, 128, 136}},
};

}  // namespace

const SetStyle& StyleOfSet(int32_t dominoSet) {
    return kStyles[dominoSet - 1];
}

}  // namespace pipwick::artwork
