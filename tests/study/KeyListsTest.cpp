#include "study/KeyLists.hpp"
#include "study/KeyShuffle.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>

TEST(KeyShuffle, SeedIsTheClocksLow32BitsModuloTheEngineModulusNeverZero)
{
    EXPECT_EQ(shuffleSeed(5), 5u);
    EXPECT_EQ(shuffleSeed((std::int64_t{1} << 32) + 7), 7u);
    EXPECT_EQ(shuffleSeed(4294967290), 2147483643u);
    EXPECT_EQ(shuffleSeed(2147483647), 1u);
}

TEST(KeyShuffle, OneEngineShufflesNewThenLearningThenMastered)
{
    // Worked out from x' = 16807x mod 2147483647 and the draw
    // j = (v - 1) / (2147483645 / (i + 1)) for i = 1, 2, ...
    KeyList fresh{1, 2, 3, 4, 5, 6}, learning{11, 12, 13}, mastered{21, 22};
    shuffleKeyLists(fresh, learning, mastered, 2);
    EXPECT_EQ(fresh, (KeyList{6, 1, 4, 2, 5, 3}));
    EXPECT_EQ(learning, (KeyList{13, 11, 12}));
    EXPECT_EQ(mastered, (KeyList{22, 21}));

    // Seeded from the clock, two shuffles of the same list differ.
    KeyList first(20), none;
    std::iota(first.begin(), first.end(), 0);
    KeyList second = first;
    shuffleKeyLists(first, none, none);
    shuffleKeyLists(second, none, none);
    EXPECT_NE(first, second);
}

TEST(KeyLists, WrongOptionsWalkOnFromARandomStartAndWrapAround)
{
    // Key k offers the texts ak and bk; a9 is held already.
    const KeyList source{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    const auto texts = [](std::uint64_t k) {
        return std::set<std::wstring>{L"a" + std::to_wstring(k), L"b" + std::to_wstring(k)};
    };
    std::srand(18);
    ASSERT_EQ(std::rand() % 10, 8) << "the start that glibc's rand() gives for seed 18";
    std::srand(18);
    std::set<std::wstring> options{L"a9"};
    addWrongOptions(options, 5, source, texts);
    // 8 gives two, 9 only b9, 0 fills the last place and b0 is left out.
    EXPECT_EQ(options, (std::set<std::wstring>{L"a8", L"b8", L"a9", L"b9", L"a0"}));

    // One pass at most: a small source cannot fill the set.
    options.clear();
    addWrongOptions(options, 9, KeyList{1, 2}, texts);
    EXPECT_EQ(options.size(), 4u);
}

TEST(KeyLists, WrongOptionsComeFromTheLargestListTiesGoingToNewThenLearning)
{
    const KeyList a(40), b(40), c(23), d(30), e(50);
    EXPECT_EQ(&largestList(a, b, c), &a);
    EXPECT_EQ(&largestList(d, a, b), &a);
    EXPECT_EQ(&largestList(c, d, e), &e);
}

TEST(KeyLists, ReviewLooksUpwardFromARandomGradeAndWrapsAfterFive)
{
    // Only grades 2 and 4 hold mastered items: starts 1 and 2 find 2, 3 and 4
    // find 4, and 5 wraps around to 2.
    const KeyLists mastered{{2, {1}}, {4, {1}}};
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        std::srand(seed);
        const int start = std::rand() % 5 + 1;
        std::srand(seed);
        EXPECT_EQ(reviewGrade(mastered), start == 3 || start == 4 ? 4 : 2) << "start " << start;
    }
    EXPECT_EQ(reviewGrade({}), 0);
}
