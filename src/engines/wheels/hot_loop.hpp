#pragma once

// Functions whose inner loops count bits are built twice on x86-64: once
// with the processor's popcount instruction, used where the processor has
// it, and once without, so the program still runs on the oldest x86-64
// processors that the distribution supports.
#if defined(__x86_64__) && (defined(__clang__) ? __clang_major__ >= 14 : defined(__GNUC__))
#define KULKO_COUNTS_BITS __attribute__((target_clones("popcnt", "default")))
#else
#define KULKO_COUNTS_BITS
#endif
