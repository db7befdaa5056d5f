#include "game/number_bits.hpp"

#include <bit>

namespace kulko {

std::vector<int> MembersOf(NumberBits bits) {
    std::vector<int> members;
    members.reserve(static_cast<std::size_t>(CountBits(bits)));
    for (; bits != 0; bits &= bits - 1) {
        members.push_back(std::countr_zero(bits));
    }
    return members;
}

std::string NumbersText(const int* numbers, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0) {
            text += ';';
        }
        text += std::to_string(numbers[i]);
    }
    return text;
}

std::string NumberBitsText(NumberBits bits) {
    const std::vector<int> members = MembersOf(bits);
    return NumbersText(members.data(), members.size());
}

}  // namespace kulko
