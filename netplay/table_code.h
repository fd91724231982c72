#pragma once

#include <QString>

namespace pipwick {

// A table's code: 8 capital letters from the operating system's random source, leaving out I and O
// so that it reads over the telephone without a doubt (24^8, about 1.1e11 codes).
QString NewTableCode();

}  // namespace pipwick
