#include "network/system_seeds.h"

#include <sys/random.h>

#include <cerrno>

namespace pipwick {

bool SystemSeeds::FromKernel(uint32_t* words, size_t count) {
    auto* bytes = reinterpret_cast<unsigned char*>(words);
    size_t left = count * sizeof(uint32_t);
    while (left > 0) {
        const ssize_t got = getrandom(bytes, left, 0);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            return false;
        }
        bytes += got;
        left -= static_cast<size_t>(got);
    }
    return true;
}

uint32_t SystemSeeds::DealSeed() {
    uint32_t word = 0;
    return FromKernel(&word, 1) ? word : static_cast<uint32_t>(device_());
}

void SystemSeeds::SeedShuffle(RandomGenerator& random) {
    uint32_t words[RandomGenerator::kStateWords];
    if (!FromKernel(words, RandomGenerator::kStateWords)) {
        for (uint32_t& word : words) {
            word = static_cast<uint32_t>(device_());
        }
    }
    random.SeedWhole(words);
}

}  // namespace pipwick
