// pipwick-pack INPUT OUTPUT [STORED-NAME]: packs a file into an artwork container. The stored
// name defaults to the input's file name; the date and time are the input's modification time.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "assets/file_bytes.h"
#include "tools/compressed_image_encoder.h"

namespace {

pipwick::DosTimestamp ModificationStamp(const std::filesystem::path& path) {
    std::error_code failed;
    const auto written = std::filesystem::last_write_time(path, failed);
    if (failed) {
        return {};
    }
    const std::time_t seconds =
        std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
    std::tm local{};
    localtime_r(&seconds, &local);
    const int year = std::clamp(local.tm_year + 1900, 1980, 2107);
    return {static_cast<uint16_t>((year - 1980) << 9 | (local.tm_mon + 1) << 5 | local.tm_mday),
            static_cast<uint16_t>(local.tm_hour << 11 | local.tm_min << 5 | local.tm_sec / 2)};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: pipwick-pack INPUT OUTPUT [STORED-NAME]\n";
        return 2;
    }
    const std::filesystem::path input = argv[1];
    const auto data = pipwick::ReadFileBytes(input);
    if (!data) {
        std::cerr << "pipwick-pack: cannot read " << input << "\n";
        return 1;
    }
    const std::string name = argc == 4 ? argv[3] : input.filename().string();
    if (name.size() > 255) {
        std::cerr << "pipwick-pack: stored name longer than 255 bytes\n";
        return 1;
    }
    const auto container = pipwick::PackContainer(*data, name, ModificationStamp(input));
    if (!pipwick::WriteFileBytes(argv[2], container)) {
        std::cerr << "pipwick-pack: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
