// Decoding speed of the artwork containers that the build produced: all 21 per iteration, as a
// player changing sets and sizes would make the game decode them one after another.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "assets/compressed_image.h"
#include "assets/domino_sets.h"
#include "assets/file_bytes.h"

namespace {

std::vector<std::vector<uint8_t>> BuiltContainers() {
    std::vector<std::vector<uint8_t>> containers;
    for (int32_t set = 1; set <= pipwick::kDominoSetCount; ++set) {
        for (int32_t size = 0; size < pipwick::kSizeClassCount; ++size) {
            const int32_t id = pipwick::FindDominoSetResource(set, size)->id;
            const std::filesystem::path path =
                std::filesystem::path(PIPWICK_RESOURCES_DIR) / "qm" / (std::to_string(id) + ".qm");
            if (auto bytes = pipwick::ReadFileBytes(path)) {
                containers.push_back(std::move(*bytes));
            }
        }
    }
    return containers;
}

void DecodeAllContainers(benchmark::State& state) {
    const auto containers = BuiltContainers();
    if (containers.size() != 21) {
        state.SkipWithError("the 21 built containers were not found; build the resources first");
        return;
    }
    int64_t compressed = 0, decoded = 0;
    for (const auto& container : containers) {
        compressed += static_cast<int64_t>(container.size());
        decoded += pipwick::ReadContainerHeader(container, nullptr)->decodedLength;
    }
    for (auto _ : state) {
        for (const auto& container : containers) {
            auto bytes = pipwick::DecodeContainer(container, nullptr);
            benchmark::DoNotOptimize(bytes);
        }
    }
    state.SetBytesProcessed(state.iterations() * decoded);
    state.counters["compressed_bytes"] = static_cast<double>(compressed);
    state.counters["decoded_bytes"] = static_cast<double>(decoded);
    state.counters["ratio"] = static_cast<double>(decoded) / static_cast<double>(compressed);
}
BENCHMARK(DecodeAllContainers)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
