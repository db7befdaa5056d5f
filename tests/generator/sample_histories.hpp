#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "game/number_set.hpp"

namespace kulko::test {

// Six distinct numbers 1 to 49, ascending.
NumberSet RandomCandidate(std::mt19937& random);

// A results line near the set: kind 0 the same numbers in another order,
// 1 shifted by -60 to 60 (often beyond 1 to 49), 2 to 4 with one to three
// numbers replaced by numbers not in the set.
std::string NearRecordLine(std::mt19937& random, const NumberSet& base, int kind);

// One results line of a random kind: a sound draw, one near a given set (a
// shifted copy, or with one to three numbers replaced), a number standing
// twice, too few or too many tokens, numbers outside 1 to 49, junk tokens,
// and now and then no draw number or date.
std::string RandomRecordLine(std::mt19937& random, const std::vector<NumberSet>& near);

// The candidates a press without forcing draws from this seed, attempt by
// attempt: what a history must hold to reject that press's attempts.
std::vector<NumberSet> CandidateStream(std::uint32_t seed, int attempts);

}  // namespace kulko::test
