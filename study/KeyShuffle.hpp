#pragma once
// The load-time shuffle shared by the kanji and word stores.

#include <cstdint>
#include <vector>

// The seed for a clock count of nanoseconds: its low 32 bits modulo
// 2147483647, with 0 taken as 1.
std::uint32_t shuffleSeed(std::int64_t nanoseconds);

// Shuffles a grade's new, learning and mastered key lists, in this order,
// with one minimal-standard engine started from seed.
void shuffleKeyLists(std::vector<std::uint64_t>& newKeys, std::vector<std::uint64_t>& learningKeys,
                     std::vector<std::uint64_t>& masteredKeys, std::uint32_t seed);

// The same, seeded from the system clock's nanoseconds.
void shuffleKeyLists(std::vector<std::uint64_t>& newKeys, std::vector<std::uint64_t>& learningKeys,
                     std::vector<std::uint64_t>& masteredKeys);
