#include "text/decimal_text.hpp"

#include <cstdio>

namespace kulko {

std::string DecimalText(double value, int places) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", places, value);
    return text;
}

std::string ChanceText(double chance) {
    return DecimalText(chance, 10);
}

}  // namespace kulko
