#include "study/KeyShuffle.hpp"

#include <chrono>
#include <random>
#include <utility>

namespace
{
// One uniform draw from 0 to bound: the engine's range scaled down, values
// above the last whole multiple thrown away.
std::size_t drawIndex(std::minstd_rand0& engine, std::size_t bound)
{
    const std::uint64_t range = static_cast<std::uint64_t>(bound) + 1;
    const std::uint64_t scale = (std::minstd_rand0::max() - std::minstd_rand0::min()) / range;
    std::uint64_t value = 0;
    do
        value = engine() - std::minstd_rand0::min();
    while (value >= range * scale);
    return static_cast<std::size_t>(value / scale);
}

// Fisher-Yates from the front, one engine draw per position (libstdc++'s
// std::shuffle takes two positions from one draw).
void shuffleKeys(std::vector<std::uint64_t>& keys, std::minstd_rand0& engine)
{
    for (std::size_t i = 1; i < keys.size(); ++i)
        std::swap(keys[i], keys[drawIndex(engine, i)]);
}
} // namespace

std::uint32_t shuffleSeed(std::int64_t nanoseconds)
{
    const auto low = static_cast<std::uint32_t>(nanoseconds);
    const std::uint32_t seed = low % 2147483647u;
    return seed == 0 ? 1 : seed;
}

void shuffleKeyLists(std::vector<std::uint64_t>& newKeys, std::vector<std::uint64_t>& learningKeys,
                     std::vector<std::uint64_t>& masteredKeys, std::uint32_t seed)
{
    std::minstd_rand0 engine(seed);
    shuffleKeys(newKeys, engine);
    shuffleKeys(learningKeys, engine);
    shuffleKeys(masteredKeys, engine);
}

void shuffleKeyLists(std::vector<std::uint64_t>& newKeys, std::vector<std::uint64_t>& learningKeys,
                     std::vector<std::uint64_t>& masteredKeys)
{
    const auto now =
        std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch());
    shuffleKeyLists(newKeys, learningKeys, masteredKeys, shuffleSeed(now.count()));
}
