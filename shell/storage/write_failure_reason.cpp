#include "shell/storage/write_failure_reason.h"

#include <iterator>

#include "shell/app/translations.h"
#include "texts/texts.h"

namespace pipwick {

static_assert(std::size(text::kWriteFailures) ==
                  static_cast<std::size_t>(WriteFailure::kSystemError) + 1,
              "a reason for every failure");

QString WriteFailureReason(WriteFailure failure) {
    return Translated(text::kWriteFailures[static_cast<std::size_t>(failure)]);
}

}  // namespace pipwick
