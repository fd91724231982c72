#pragma once

#include <QString>

#include "model/whole_file_write.h"

namespace pipwick {

// Why a file of the player's could not be written, in the player's language ("the disk is
// full"), for the notices that say what could not be kept.
QString WriteFailureReason(WriteFailure failure);

}  // namespace pipwick
