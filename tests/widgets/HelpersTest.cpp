#include "widgets/Helpers.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(PointInRect, EdgesAreOutside)
{
    EXPECT_FALSE(pointInRect(10, 10, 10, 0, 20, 20));
    EXPECT_TRUE(pointInRect(11, 1, 10, 0, 20, 20));
    EXPECT_TRUE(pointInRect(29, 19, 10, 0, 20, 20));
    EXPECT_FALSE(pointInRect(30, 10, 10, 0, 20, 20));
    EXPECT_FALSE(pointInRect(15, 0, 10, 0, 20, 20));
    EXPECT_FALSE(pointInRect(15, 20, 10, 0, 20, 20));
    // A rectangle one pixel wide or high holds no point.
    for (int x = -1; x <= 2; ++x)
        for (int y = -1; y <= 2; ++y)
        {
            EXPECT_FALSE(pointInRect(x, y, 0, 0, 1, 10));
            EXPECT_FALSE(pointInRect(x, y, 0, 0, 10, 1));
        }
}

TEST(Chance, ZeroIsCertainAndDrawsNothingAndTheFlagChoosesTheDivisor)
{
    std::srand(7);
    const int expected = std::rand();
    std::srand(7);
    EXPECT_TRUE(chance(0, false));
    EXPECT_TRUE(chance(0, true));
    EXPECT_EQ(std::rand(), expected);

    // The flag chooses the divisor.
    for (int i = 0; i < 50; ++i)
        EXPECT_TRUE(chance(1, true));
    for (unsigned seed = 1; seed < 200; ++seed)
    {
        std::srand(seed);
        const int r = std::rand();
        std::srand(seed);
        EXPECT_EQ(chance(1, false), r % 6 == 0);
        std::srand(seed);
        EXPECT_EQ(chance(4, true), r % 4 == 0);
    }
}

TEST(NewlinesToSpaces, ReplacesOnlyNewlines)
{
    EXPECT_EQ(newlinesToSpaces(L"a\nb\n"), L"a b ");
    EXPECT_EQ(newlinesToSpaces(L"Part, minute"), L"Part, minute");
}

TEST(HashString, WeightsEachUnitByPosition)
{
    EXPECT_EQ(hashString(L""), 0u);
    EXPECT_EQ(hashString(L"\u4e00"), 19968u);
    EXPECT_EQ(hashString(L"abc"), 2960294u);
    EXPECT_EQ(hashString(L"ab"), 980195u);
    EXPECT_EQ(hashString(L"ba"), 970195u);
    EXPECT_EQ(hashString(L"\u56db\u516d\u6642\u4e2d"), 1332489271u);
}

TEST(HashString, CountsCharactersBeyondTheBmpAsSurrogatePairsAndWrapsModulo2To64)
{
    // U+20B9F is D842 DF9F in UTF-16.
    const std::uint64_t expected = 0xD842u + 0xDF9Fu * 10001u;
    EXPECT_EQ(hashString(std::wstring(1, static_cast<wchar_t>(0x20B9F))), expected);
    // A following character sits at position 2, after both surrogates.
    EXPECT_EQ(hashString(std::wstring{static_cast<wchar_t>(0x20B9F), L'a'}), expected + 97u * 20001u);

    // 65535 x (n + 10000 n (n - 1) / 2) for n = 300000 is 29490651717160500000,
    // past 2^64 = 18446744073709551616; the difference is the hash.
    EXPECT_EQ(hashString(std::wstring(300000, static_cast<wchar_t>(0xFFFF))), 11043907643450948384u);
}

TEST(Distance, IsEuclidean)
{
    EXPECT_DOUBLE_EQ(distance(0, 0, 3, 4), 5.0);
    EXPECT_DOUBLE_EQ(distance(-1, -1, -1, -1), 0.0);
}

TEST(Split, FollowsLineReadingRules)
{
    using V = std::vector<std::wstring>;
    EXPECT_EQ(split(L"a,,b", L','), (V{L"a", L"", L"b"}));
    EXPECT_EQ(split(L",a", L','), (V{L"", L"a"}));
    EXPECT_EQ(split(L"a,", L','), (V{L"a"}));
    EXPECT_EQ(split(L"", L','), V{});
    EXPECT_EQ(split(L"abc", L','), (V{L"abc"}));
    EXPECT_EQ(split(L"12,-7;30,4;", L';'), (V{L"12,-7", L"30,4"}));
}
