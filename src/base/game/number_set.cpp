#include "game/number_set.hpp"

namespace kulko {

std::string NumberSetText(const NumberSet& set) {
    std::string text;
    for (std::size_t i = 0; i < set.size(); ++i) {
        if (i > 0) {
            text += ';';
        }
        text += std::to_string(set[i]);
    }
    return text;
}

}  // namespace kulko
