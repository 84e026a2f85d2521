#include "MainWindowFixture.hpp"

#include <algorithm>
#include <iterator>

class AnswerTest : public MainWindowFixture
{
protected:
    // A new question shows its sorted options turned by a start step, on
    // grey buttons; returns the step.
    int checkLayout()
    {
        const std::set<std::wstring> options = current().getOptions();
        const std::vector<std::wstring> sorted(options.begin(), options.end());
        EXPECT_EQ(sorted.size(), buttons().size());
        const int step = static_cast<int>(
            std::find(sorted.begin(), sorted.end(), shown(buttons().front().getText())) - sorted.begin());
        const sf::Image image = capture();
        int i = 0;
        for (const Button& button : buttons())
        {
            EXPECT_EQ(shown(button.getText()), sorted[(step + i) % sorted.size()]) << "button " << i;
            const sf::Vector3f c = meanColour(image, place(i).x, place(i).y, 40, 30);
            EXPECT_LT(std::abs(c.y - c.x) + std::abs(c.z - c.y), 10.f) << "button " << i << " starts grey";
            const sf::IntRect box = face(button);
            EXPECT_EQ(sf::Vector2i(box.left + box.width / 2, box.top + box.height), place(i) + sf::Vector2i(0, 60))
                << "button " << i << " stands at its place";
            ++i;
        }
        return step;
    }

    // Presses answer button i; returns the face's brightness at once (the
    // flash) and its green minus red once the fade has settled.
    std::pair<float, float> press(int i)
    {
        send(events::move(place(i).x, place(i).y - 10));
        send(events::press(place(i).x, place(i).y - 10));
        const sf::Vector3f flash = meanColour(capture(), place(i).x, place(i).y, 40, 30);
        for (int frame = 0; frame < 60; ++frame)
            MainWindowFixture::frame();
        const sf::Vector3f settled = meanColour(capture(), place(i).x, place(i).y, 40, 30);
        return {(flash.x + flash.y + flash.z) / 3, settled.y - settled.x};
    }

    void release(int i)
    {
        send(events::release(place(i).x, place(i).y - 10));
        frame();
    }

    // Answers the question on screen wrong once, then right; `asked` is the
    // score the question moves and `gain` the step of a right answer.
    void answer(int& asked, int gain, const std::function<std::wstring()>& scores)
    {
        const int state = window->getState();
        const std::set<std::wstring> answers = rightAnswers();
        const int wrong = findButton(false, answers);
        ASSERT_GE(wrong, 0);
        const auto [dark, red] = press(wrong);
        asked = std::max(0, asked - 20);
        EXPECT_LT(dark, 115.f) << "a wrong answer flashes black";
        EXPECT_LT(red, -60.f) << "then fades to red";
        EXPECT_EQ(scoreSign(), scores());
        release(wrong);
        EXPECT_EQ(window->getState(), state) << "a wrong answer never moves on";

        std::set<std::wstring> given;
        for (;;)
        {
            const int right = findButton(true, answers, given);
            ASSERT_GE(right, 0);
            given.insert(shown(std::next(buttons().begin(), right)->getText()));
            for (int again = 0; again < 2; ++again)
            {
                const auto [bright, green] = press(right);
                if (again == 0)
                    asked = std::min(100, asked + gain);
                EXPECT_GT(bright, 200.f) << "a right answer flashes white";
                EXPECT_GT(green, 60.f) << "then fades to green";
                EXPECT_EQ(scoreSign(), scores()) << "an accepted answer again scores nothing";
                if (given.size() == answers.size())
                {
                    EXPECT_TRUE(ExerciseManager::getInstance()->isQuestionComplete());
                    release(right);
                    EXPECT_FALSE(ExerciseManager::getInstance()->isQuestionComplete()) << "the release moved on";
                    return;
                }
                release(right);
                EXPECT_EQ(window->getState(), state) << "one right reading of several does not move on";
            }
        }
    }
};

// 一 learning with three different question scores, all else mastered:
// every exercise asks 一 its meaning or a reading.
TEST_F(AnswerTest, KanjiAnswersFlashFadeAndShowTheExactScores)
{
    open({{L"一", {30, 40, 70, 100}}});
    int s[4] = {30, 40, 70, 100};
    auto scores = [&s] { return kanjiScores(s[0], s[1], s[2], s[3]); };
    std::set<int> steps;
    int previous = -10, sameScreenAgain = 0;
    click(266, 400);
    for (int exercise = 0; exercise < 16; ++exercise)
    {
        const int state = window->getState();
        EXPECT_EQ(scoreSign(), scores()) << "the scores as the exercise starts";
        ASSERT_GE(state, ExerciseType::KunyomiQuestion);
        ASSERT_LE(state, ExerciseType::KanjiMeaningQuestion);
        sameScreenAgain += previous == state || previous + state == 3;
        steps.insert(checkLayout());
        // 一 has one kun reading (ひと) and two on readings (イチ, イツ).
        const int asked = state == ExerciseType::KanjiMeaningQuestion ? 0 : state;
        answer(s[asked], asked == ExerciseType::OnyomiQuestion ? 5 : 10, scores);
        previous = state;
    }
    EXPECT_GT(steps.size(), 1u) << "the options start at a random step";
    EXPECT_GT(sameScreenAgain, 0) << "a question followed by one of the same screen";
}

// 右中間 learning, all else mastered: a run asks its pronunciation or its
// meaning (long enough to need two lines), or, when the kanji store is
// asked, finds nothing and stays.
TEST_F(AnswerTest, WordAnswersGoThroughTheWordBranch)
{
    open({{L"右中間", {20, 60}}});
    int reading = 20, meaning = 60;
    auto scores = [&] { return wordScores(reading, meaning); };
    std::set<int> types;
    for (int question = 0; question < 6; ++question)
    {
        ASSERT_TRUE(reach([](int s) { return s == 4 || s == 5; }));
        const int state = window->getState();
        types.insert(state);
        EXPECT_EQ(scoreSign(), scores());
        checkLayout();
        const int right = findButton(true, rightAnswers());
        if (state == ExerciseType::WordMeaningQuestion)
        {
            EXPECT_NE(std::next(buttons().begin(), right)->getText().find(L'\n'), std::wstring::npos)
                << "the long meaning is shown on two lines and still matches";
        }
        answer(state == ExerciseType::WordPronunciationQuestion ? reading : meaning, 10, scores);
    }
    EXPECT_EQ(types.size(), 2u);
}

// 一 asked a reading and 下 its meaning, 万 and the word 上 still new, all
// else mastered. Help shows each question's lesson; every card, by help or
// as the next exercise, shows Continue at rest, and every question after a
// card shows help at rest. 一's card (one kun reading) blanks what 下's (six)
// filled.
TEST_F(AnswerTest, LessonsAndCardsStartWithTheirButtonsAtRest)
{
    open({{L"一", {100, 40, 100, 100}}, {L"下", {30, 100, 100, 100}}, {L"万", {-1, -1, -1, -1}}, {L"上", {-1, -1}}});
    const int continueAtRest = face(window->getContinueButton()).top;
    const int helpAtRest = face(window->getHelpButton()).top;
    auto texts = [](const std::vector<Sign>& signs) {
        std::vector<std::wstring> all;
        for (const Sign& sign : signs)
            all.push_back(sign.getText());
        return all;
    };
    using Texts = std::vector<std::wstring>;
    std::set<int> nextCards, questionsAfterCards;
    bool belowShown = false, oneAfterBelow = false, wordCard = false;
    auto done = [&] {
        return nextCards.size() == 3 && oneAfterBelow && wordCard && questionsAfterCards.count(1) &&
               questionsAfterCards.count(3) && questionsAfterCards.count(6);
    };
    click(266, 400);
    for (int round = 0; round < 300 && !done(); ++round)
    {
        const int state = window->getState();
        ASSERT_GT(state, 0);
        if (state >= ExerciseType::NewKanjiInfo)
            nextCards.insert(state);
        else
        {
            const std::wstring item = current().getText();
            click(260, 70);
            ASSERT_EQ(window->getState(), state <= 3 ? 7 : state <= 5 ? 8 : 9) << "the lesson of question " << state;
            EXPECT_EQ(window->getQuestionSign().getText(), item);
            if (state == ExerciseType::KanjiMeaningQuestion && item == L"下")
            {
                belowShown = true;
                EXPECT_EQ(shown(window->getMeaningSign().getText()), L"Meaning: Below");
                EXPECT_EQ(texts(window->getKunyomiSigns()), Texts({L"お", L"くだ", L"さ", L"した", L"しも", L"もと"}));
                EXPECT_EQ(texts(window->getOnyomiSigns()), Texts({L"カ", L"ゲ", L"", L"", L"", L""}));
            }
            else if (state == ExerciseType::WordPronunciationQuestion || state == ExerciseType::WordMeaningQuestion)
            {
                wordCard = true;
                EXPECT_EQ(window->getWordMeaningSign().getText(), L"Up");
                EXPECT_EQ(window->getWordReadingSign().getText(), L"うえ");
            }
            else if (item == L"一" && belowShown && !oneAfterBelow)
            {
                oneAfterBelow = true;
                EXPECT_EQ(texts(window->getKunyomiSigns()), Texts({L"ひと", L"", L"", L"", L"", L""}));
                EXPECT_EQ(texts(window->getOnyomiSigns()), Texts({L"イチ", L"イツ", L"", L"", L"", L""}));
                // Empty reading signs are not drawn: the background shows there.
                const sf::Image screen = capture(), bare = rendering::render(background(), 800, 600);
                for (const sf::Vector2u place : {sf::Vector2u(215, 295), sf::Vector2u(345, 405)})
                    EXPECT_EQ(screen.getPixel(place.x, place.y), bare.getPixel(place.x, place.y));
            }
        }
        EXPECT_EQ(face(window->getContinueButton()).top, continueAtRest) << "Continue on screen " << window->getState();
        click(640, 100);
        if (window->getState() >= ExerciseType::NewKanjiInfo)
            continue;
        questionsAfterCards.insert(window->getState());
        EXPECT_EQ(face(window->getHelpButton()).top, helpAtRest) << "help on screen " << window->getState();
    }
    EXPECT_TRUE(done()) << "cards shown next: " << nextCards.size();
}
