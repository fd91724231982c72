#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pipwick {

// Gives the bytes of a resource by its number (a compressed container, or a plain bitmap file),
// or nothing when there is no such resource. Tests read the build tree; the game reads its
// embedded resources.
using ResourceSource = std::function<std::optional<std::vector<uint8_t>>(int32_t id)>;

// Holds decoded images from their load until they have been copied: five slots, filled in order
// and released all at once.
class ImageStore {
  public:
    static constexpr int32_t kSlotCount = 5;

    // Empties every slot without releasing anything, before a fresh load.
    void ResetImageSlots();
    // Decodes container `id` into the next free slot. Returns the decoded file, or nothing with a
    // message in `error` when the resource is missing or refused or no slot is free.
    std::optional<std::span<const uint8_t>> LoadCompressedImage(const ResourceSource& source,
                                                                int32_t id, std::string* error);
    void FreeImageSlots();

    int32_t FilledSlots() const { return filled_; }

  private:
    std::array<std::vector<uint8_t>, kSlotCount> slots_;
    int32_t filled_ = 0;
};

}  // namespace pipwick
