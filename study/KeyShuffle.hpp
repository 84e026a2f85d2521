#pragma once
// The load-time shuffle shared by the kanji and word stores.

#include <cstdint>
#include <vector>

// Shuffles a grade's new, learning and mastered key lists, in this order,
// with one minimal-standard engine seeded from the clock's nanoseconds.
void shuffleKeyLists(std::vector<std::uint64_t>& newKeys, std::vector<std::uint64_t>& learningKeys,
                     std::vector<std::uint64_t>& masteredKeys);
