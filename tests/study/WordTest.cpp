#include "study/Word.hpp"

#include <gtest/gtest.h>

TEST(Word, StartsEmptyWithScoresZeroAndKeepsEachFieldApart)
{
    const Word empty;
    EXPECT_TRUE(empty.getWord().empty() && empty.getReading().empty() && empty.getMeaning().empty());
    EXPECT_EQ(empty.getGrade(), 0);
    EXPECT_EQ(empty.getReadingScore(), 0) << "value-initialised, not -1";
    EXPECT_EQ(empty.getMeaningScore(), 0);

    // Scores out of range are stored as given: the callers keep them in range.
    Word word;
    word.setWord(L"上");
    word.setGrade(5);
    word.setReading(L"うえ");
    word.setMeaning(L"Up");
    word.setReadingScore(101);
    word.setMeaningScore(-20);
    EXPECT_EQ(word.getWord(), L"上");
    EXPECT_EQ(word.getGrade(), 5);
    EXPECT_EQ(word.getReading(), L"うえ");
    EXPECT_EQ(word.getMeaning(), L"Up");
    EXPECT_EQ(word.getReadingScore(), 101);
    EXPECT_EQ(word.getMeaningScore(), -20);
}
