#include "texts/translation.h"

namespace pipwick::text {

namespace {

Translator installed = nullptr;

}  // namespace

void UseTranslator(Translator translator) {
    installed = translator;
}

std::string Translate(const char* english) {
    return installed != nullptr ? installed(english) : std::string(english);
}

std::string Fill(std::string_view format, std::initializer_list<std::string_view> arguments) {
    std::string filled;
    filled.reserve(format.size());
    for (size_t i = 0; i < format.size(); ++i) {
        const size_t number = i + 1 < format.size() && format[i] == '%' && format[i + 1] >= '1' &&
                                      format[i + 1] <= '9'
                                  ? static_cast<size_t>(format[i + 1] - '1')
                                  : arguments.size();
        if (number < arguments.size()) {
            filled += arguments.begin()[number];
            ++i;
        } else {
            filled += format[i];
        }
    }
    return filled;
}

}  // namespace pipwick::text
