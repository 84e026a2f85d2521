#include "MainWindowFixture.hpp"

#include "widgets/Helpers.hpp"

#include <algorithm>
#include <iterator>

namespace
{
// The sign may break the text at any space, so compare with spaces for breaks.
std::wstring kanjiScores(const Kanji& k)
{
    const std::string text = "Meaning: " + std::to_string(k.getMeaningScore()) + "%\n\nKunyomi: " +
           std::to_string(k.getKunyomiScore()) + "%\n\nOnyomi: " + std::to_string(k.getOnyomiScore()) +
           "%\n\nDrawing: " + std::to_string(std::max(0, k.getDrawingScore())) + "%";
    return newlinesToSpaces(std::wstring(text.begin(), text.end()));
}

std::wstring scoreText(const Sign& sign)
{
    return newlinesToSpaces(sign.getText().toWideString());
}
} // namespace

class AnswerTest : public MainWindowFixture
{
protected:
    // Index of the first button whose option is (or is not) a right answer.
    template <typename Buttons>
    static int findButton(const Buttons& buttons, bool right, const std::set<std::wstring>& answers,
                          const std::set<std::wstring>& skip = {})
    {
        int index = 0;
        for (const Button& button : buttons)
        {
            const std::wstring option = newlinesToSpaces(button.getText());
            if ((answers.count(option) > 0) == right && skip.count(option) == 0)
                return index;
            ++index;
        }
        return -1;
    }

    // Presses a button, lets its colour settle, and returns green minus red
    // over its face; the release follows separately.
    float pressAndSettle(int x, int y)
    {
        send(sf::Event::MouseMoved, x, y - 10);
        send(sf::Event::MouseButtonPressed, x, y - 10);
        frames(60);
        const sf::Vector3f c = meanColour(capture(), x, y, 40, 30);
        return c.y - c.x;
    }

    void releaseAt(int x, int y)
    {
        send(sf::Event::MouseButtonReleased, x, y - 10);
        frame();
    }
};

TEST_F(AnswerTest, MeaningQuestionAnsweredWrongThenRight)
{
    ASSERT_TRUE(reachState(ExerciseType::KanjiMeaningQuestion));
    const std::set<std::wstring> answers = rightAnswers();
    const auto& buttons = window->getLongAnswerButtons();
    const int wrong = findButton(buttons, false, answers);
    const int right = findButton(buttons, true, answers);
    ASSERT_GE(wrong, 0);
    ASSERT_GE(right, 0);
    const int before = currentKanji().getMeaningScore();

    EXPECT_LT(pressAndSettle(LongX[wrong], LongY[wrong]), -60.f) << "a wrong answer fades to red";
    EXPECT_EQ(currentKanji().getMeaningScore(), std::max(0, before - 20));
    EXPECT_EQ(scoreText(window->getScoreSign()), kanjiScores(currentKanji()));
    releaseAt(LongX[wrong], LongY[wrong]);
    EXPECT_EQ(window->getState(), ExerciseType::KanjiMeaningQuestion) << "a wrong answer never moves on";

    const int afterWrong = currentKanji().getMeaningScore();
    EXPECT_GT(pressAndSettle(LongX[right], LongY[right]), 60.f) << "a right answer fades to green";
    EXPECT_EQ(currentKanji().getMeaningScore(), afterWrong + 10);
    EXPECT_EQ(scoreText(window->getScoreSign()), kanjiScores(currentKanji()));
    EXPECT_TRUE(ExerciseManager::getInstance()->isQuestionComplete());
    releaseAt(LongX[right], LongY[right]);
    EXPECT_FALSE(ExerciseManager::getInstance()->isQuestionComplete()) << "the release showed a new exercise";
}

TEST_F(AnswerTest, ReadingQuestionNeedsEveryRightReading)
{
    ASSERT_TRUE(reach([](int s) {
        return (s == ExerciseType::KunyomiQuestion || s == ExerciseType::OnyomiQuestion) &&
               rightAnswers().size() >= 2;
    }));
    const std::set<std::wstring> answers = rightAnswers();
    const auto& buttons = window->getShortAnswerButtons();
    const int state = window->getState();
    auto score = [state] {
        const Kanji k = currentKanji();
        return state == ExerciseType::KunyomiQuestion ? k.getKunyomiScore() : k.getOnyomiScore();
    };
    const int step = 10 / static_cast<int>(answers.size());

    std::set<std::wstring> given;
    while (given.size() + 1 < answers.size())
    {
        const int i = findButton(buttons, true, answers, given);
        ASSERT_GE(i, 0);
        given.insert(std::next(buttons.begin(), i)->getText());
        const int before = score();
        click(ShortX[i], ShortY[i]);
        EXPECT_EQ(score(), before + step);
        EXPECT_EQ(window->getState(), state) << "one right reading of several does not move on";

        // The same reading again counts as right once more but scores nothing.
        EXPECT_GT(pressAndSettle(ShortX[i], ShortY[i]), 60.f);
        releaseAt(ShortX[i], ShortY[i]);
        EXPECT_EQ(score(), before + step);
        EXPECT_EQ(window->getState(), state);
    }

    const int last = findButton(buttons, true, answers, given);
    ASSERT_GE(last, 0);
    send(sf::Event::MouseMoved, ShortX[last], ShortY[last] - 10);
    send(sf::Event::MouseButtonPressed, ShortX[last], ShortY[last] - 10);
    EXPECT_TRUE(ExerciseManager::getInstance()->isQuestionComplete());
    releaseAt(ShortX[last], ShortY[last]);
    EXPECT_FALSE(ExerciseManager::getInstance()->isQuestionComplete()) << "the last reading moved on";
}

TEST_F(AnswerTest, HelpShowsTheLessonOfEachQuestionType)
{
    ASSERT_TRUE(reach([](int s) { return s >= 1 && s <= 3; }));
    std::wstring kanji = currentKanji().getCharacter();
    click(260, 70);
    EXPECT_EQ(window->getState(), ExerciseType::NewKanjiInfo);
    EXPECT_EQ(window->getQuestionSign().getText().toWideString(), kanji);

    ASSERT_TRUE(reach([](int s) { return s == 4 || s == 5; }));
    const std::wstring word = current().getText();
    click(260, 70);
    EXPECT_EQ(window->getState(), ExerciseType::NewWordInfo);
    EXPECT_EQ(window->getQuestionSign().getText().toWideString(), word);

    ASSERT_TRUE(reachState(ExerciseType::DrawKanjiFromMeaning));
    const std::wstring meaning = current().getText();
    click(260, 70);
    EXPECT_EQ(window->getState(), ExerciseType::DrawingPractice);
    EXPECT_EQ(window->getQuestionSign().getText().toWideString(), meaning);
    EXPECT_EQ(window->getPracticeBoard().getStrokeCount(), 0u);
    EXPECT_EQ(window->getModelBoard().getStrokeCount(), current().getStrokes().size());
}
