#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "texts/translatable.h"

namespace pipwick::text {

// The texts are English unless the windows install a translator for the desktop's language; the
// texts built here (the status line, what a screen reader hears) look their words up through it.
// A translator returns UTF-8, and the English text itself when it has no translation.
using Translator = std::string (*)(const char* english);

// Installs translator; nullptr goes back to English.
void UseTranslator(Translator translator);

// english in the program's language.
std::string Translate(const char* english);

// format with %1 ... %9 replaced by the arguments in one pass, so that an argument (a player's
// name) is put in as it is and never read as a format. A marker without its argument stays.
std::string Fill(std::string_view format, std::initializer_list<std::string_view> arguments);

}  // namespace pipwick::text
