#pragma once

// The marks that let Qt's translation tools (lupdate, told so by the build) find the English texts
// of texts/ without texts/ including Qt: each expands to the plain text, or to nothing.

// An English text the windows show in the player's language.
#define PIPWICK_TEXT(english) english
// Names the scope that lupdate files the marked texts of this namespace under. lupdate takes it
// from the first opening of the namespace it reads, so each header of texts/ includes this file.
#define PIPWICK_TEXT_SCOPE(name)

namespace pipwick::text {

PIPWICK_TEXT_SCOPE(Pipwick)
// The same scope, for the lookups at run time.
constexpr const char* kTextScope = "Pipwick";

}  // namespace pipwick::text
