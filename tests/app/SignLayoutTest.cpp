// No two signs that one screen draws overlap, on any of the nine screens.

#include "MainWindowFixture.hpp"

TEST_F(MainWindowFixture, NoTwoDrawnSignsOverlapOnAnyScreen)
{
    open();
    std::set<int> checked;
    for (int i = 0; i < 2000 && checked.size() < 9; ++i)
    {
        const int state = window->getState();
        // A second on reading stands in the column beside the question sign.
        const bool fullEnough = state != ExerciseType::NewKanjiInfo || current().getOnyomi().size() >= 2;
        if (state != 0 && fullEnough && checked.insert(state).second)
        {
            const std::vector<const Sign*> signs = window->drawnSigns();
            for (std::size_t a = 0; a < signs.size(); ++a)
                for (std::size_t b = a + 1; b < signs.size(); ++b)
                    EXPECT_FALSE(signs[a]->getBounds().intersects(signs[b]->getBounds()))
                        << "screen " << state << ": signs " << a << " and " << b;
        }
        if (state == ExerciseType::DrawKanjiFromMeaning && !checked.count(ExerciseType::DrawingPractice))
            click(260, 70); // its help is the practice screen
        else
            step();
    }
    EXPECT_EQ(checked.size(), 9u);
}
