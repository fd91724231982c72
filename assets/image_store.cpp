#include "assets/image_store.h"

#include "assets/compressed_image.h"

namespace pipwick {

void ImageStore::ResetImageSlots() {
    filled_ = 0;
}

std::optional<std::span<const uint8_t>> ImageStore::LoadCompressedImage(
    const ResourceSource& source, int32_t id, std::string* error) {
    auto fail = [error](std::string message) -> std::optional<std::span<const uint8_t>> {
        if (error != nullptr) {
            *error = std::move(message);
        }
        return std::nullopt;
    };
    if (filled_ == kSlotCount) {
        return fail("all image slots are in use");
    }
    const auto container = source ? source(id) : std::nullopt;
    if (!container) {
        return fail("compressed image " + std::to_string(id) + " is missing");
    }
    std::string reason;
    auto decoded = DecodeContainer(*container, &reason);
    if (!decoded) {
        return fail("compressed image " + std::to_string(id) + ": " + reason);
    }
    // The decoded file is followed by one zero byte, as a terminator for readers that want one.
    decoded->push_back(0);
    slots_[filled_] = std::move(*decoded);
    const std::vector<uint8_t>& slot = slots_[filled_++];
    return std::span<const uint8_t>(slot.data(), slot.size() - 1);
}

void ImageStore::FreeImageSlots() {
    for (std::vector<uint8_t>& slot : slots_) {
        slot = {};
    }
    filled_ = 0;
}

}  // namespace pipwick
