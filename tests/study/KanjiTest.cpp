#include "study/Kanji.hpp"

#include <gtest/gtest.h>

TEST(Kanji, IsNewWhileMeaningAndBothReadingScoresAreUnset)
{
    Kanji kanji;
    kanji.setMeaningScore(-1);
    kanji.setKunyomiScore(-1);
    kanji.setOnyomiScore(-1);
    for (int drawing : {-1, 0, 100})
    {
        kanji.setDrawingScore(drawing);
        EXPECT_TRUE(kanji.isNew()) << "drawing score " << drawing << " must not matter";
    }

    // Any one of the three scores set makes it known, the other two unset.
    void (Kanji::*setters[])(int) = {&Kanji::setMeaningScore, &Kanji::setKunyomiScore, &Kanji::setOnyomiScore};
    for (auto setter : setters)
    {
        Kanji known = kanji;
        (known.*setter)(0);
        EXPECT_FALSE(known.isNew());
    }
}
