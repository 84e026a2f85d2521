#include "study/Word.hpp"

#include <gtest/gtest.h>

#include <tuple>

TEST(Word, StartsEmptyWithScoresZeroAndKeepsEachFieldApart)
{
    const Word empty;
    EXPECT_TRUE(empty.getWord().empty() && empty.getReading().empty() && empty.getMeaning().empty());
    EXPECT_EQ(std::tuple(empty.getGrade(), empty.getReadingScore(), empty.getMeaningScore()), std::tuple(0, 0, 0))
        << "value-initialised, not -1";

    // Scores out of range are stored as given: the callers keep them in range.
    Word word;
    word.setWord(L"上");
    word.setGrade(5);
    word.setReading(L"うえ");
    word.setMeaning(L"Up");
    word.setReadingScore(101);
    word.setMeaningScore(-20);
    EXPECT_EQ(std::tuple(word.getWord(), word.getGrade(), word.getReading(), word.getMeaning()),
              std::tuple(std::wstring(L"上"), 5, std::wstring(L"うえ"), std::wstring(L"Up")));
    EXPECT_EQ(std::pair(word.getReadingScore(), word.getMeaningScore()), std::pair(101, -20));
}
