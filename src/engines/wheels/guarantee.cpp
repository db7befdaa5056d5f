#include "wheels/guarantee.hpp"

namespace kulko {

bool Fits(Guarantee guarantee) {
    return kLowestGuaranteedHit <= guarantee.t && guarantee.t <= guarantee.m &&
           guarantee.m <= kTicketSize;
}

std::vector<Guarantee> AllGuarantees() {
    std::vector<Guarantee> all;
    for (int t = kLowestGuaranteedHit; t < kTicketSize; ++t) {
        for (int m = t; m <= kTicketSize; ++m) {
            all.push_back({t, m});
        }
    }
    all.push_back(kFullSystem);
    return all;
}

std::string GuaranteeName(Guarantee guarantee) {
    if (guarantee.Full()) {
        return "pełny system";
    }
    return std::to_string(guarantee.t) + " z " + std::to_string(guarantee.m);
}

std::string GuaranteeKey(Guarantee guarantee) {
    return std::to_string(guarantee.t) + "z" + std::to_string(guarantee.m);
}

std::string GuaranteeMeaning(Guarantee guarantee) {
    if (guarantee.Full()) {
        return "każda szóstka z wybranych liczb jest zakładem: jeżeli 6 z wylosowanych liczb jest "
               "wśród wybranych, jeden zakład trafia 6";
    }
    return "jeżeli " + std::to_string(guarantee.m) +
           " z wylosowanych liczb jest wśród wybranych, co najmniej jeden zakład trafia " +
           std::to_string(guarantee.t);
}

std::optional<Guarantee> ParseGuarantee(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (c != ' ') {
            compact += c;
        }
    }
    if (compact.size() != 3 || (compact[1] != 'z' && compact[1] != 'Z') || compact[0] < '0' ||
        compact[0] > '9' || compact[2] < '0' || compact[2] > '9') {
        return std::nullopt;
    }
    return Guarantee{compact[0] - '0', compact[2] - '0'};
}

}  // namespace kulko
