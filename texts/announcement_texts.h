#pragma once

#include <string>

#include "engine/announcement.h"
#include "texts/translatable.h"

namespace pipwick::text {

// The status line for announcement, with names[1..4] as the players' names. A name is put in as
// it is, never read as a format. A player outside 1..4 gets an empty name.
std::string AnnouncementText(const Announcement& announcement, const std::string (&names)[5]);

}  // namespace pipwick::text
