#include "study/KanjiManager.hpp"
#include "support/TestDirectory.hpp"
#include "tests/study/KanjiTestSupport.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

using namespace kanjitest;

namespace
{
const std::string grade5Path = "save/JLPTN5kanjiprogress.txt";

// The kanji of the text with the given scores, in text order.
std::string scoredFile(const std::vector<std::pair<std::wstring, std::vector<int>>>& records)
{
    std::string file;
    for (const auto& r : records)
        file += progressRecord(key(r.first), r.second[0], r.second[1], r.second[2], r.second[3]);
    return file + "#";
}

} // namespace

TEST(KanjiExercises, FirstExerciseOfAGradeIntroducesAKanji)
{
    TestDirectory directory;
    auto* store = KanjiManager::getInstance();
    std::srand(3);
    const int nextDraw = std::rand();
    std::srand(3);
    const Exercise card = store->nextExercise(5, false);
    EXPECT_EQ(std::rand(), nextDraw) << "an empty learning list needs no draw";

    ASSERT_EQ(card.getType(), ExerciseType::NewKanjiInfo);
    EXPECT_EQ(card.getInstruction(), L"Memorize the\ninformation\nabout the\nnew kanji");
    const Kanji introduced = store->getKanji(card.getHash());
    EXPECT_EQ(card.getText(), introduced.getCharacter());
    EXPECT_EQ(card.getMeaning(), introduced.getMeaning());
    EXPECT_EQ(card.getKunyomi(), introduced.getKunyomi());
    EXPECT_EQ(card.getOnyomi(), introduced.getOnyomi());
    EXPECT_EQ((std::vector<int>{introduced.getMeaningScore(), introduced.getKunyomiScore(), introduced.getOnyomiScore(),
                                introduced.getDrawingScore()}),
              (std::vector<int>{0, introduced.getKunyomi().empty() ? 100 : 0, 0, -1}));
    EXPECT_EQ(store->countKanji(5), 103);

    // With n learning kanji a new one comes when rand() % (n + 5) is 0;
    // otherwise the learning kanji at rand() % n, newcomers at the end.
    std::vector<std::uint64_t> learning{card.getHash()};
    std::wstring introducedInOrder = card.getText();
    for (unsigned seed = 1; seed <= 40; ++seed)
    {
        std::srand(seed);
        const bool introduce = std::rand() % (learning.size() + 5) == 0;
        const std::size_t pick = static_cast<unsigned>(std::rand()) % learning.size();
        std::srand(seed);
        const Exercise next = store->nextExercise(5, false);
        ASSERT_EQ(next.getType() == ExerciseType::NewKanjiInfo, introduce) << "seed " << seed;
        if (!introduce)
        {
            EXPECT_EQ(next.getHash(), learning[pick]);
            // Questions fill up to six meanings or nine readings; a kanji never drawn shows drawing 0.
            if (next.getType() >= ExerciseType::KunyomiQuestion && next.getType() <= ExerciseType::KanjiMeaningQuestion)
            {
                EXPECT_EQ(next.getOptions().size(), next.getType() == ExerciseType::KanjiMeaningQuestion ? 6u : 9u);
                EXPECT_EQ(next.getDrawingProgress(), 0);
            }
        }
        else
        {
            introducedInOrder += next.getText();
            learning.push_back(next.getHash());
        }
    }
    // Each from the back of the new list, which was shuffled at load.
    ASSERT_GE(introducedInOrder.size(), 3u);
    EXPECT_EQ(std::set<wchar_t>(introducedInOrder.begin(), introducedInOrder.end()).size(), introducedInOrder.size());
    EXPECT_NE(introducedInOrder.substr(0, 3), L"聞駅語");
}

TEST(KanjiExercises, RandomDrawsComeInOrder)
{
    // One learning kanji with its kun and drawing parts finished; two mastered kanji as the source.
    useGrade5Texts(kanjiRecord(L"一", L"One", {L"イチ"}, {L"ひと"}) + kanjiRecord(L"二", L"Two", {L"ニ"}, {L"ふた"}) +
                       kanjiRecord(L"三", L"Three", {L"サン"}, {L"み"}),
                   strokeRecord(L"一", {10}) + strokeRecord(L"二", {10, 10}) + strokeRecord(L"三", {10, 10, 10}));
    TestDirectory directory;
    TestDirectory::writeFile(grade5Path, scoredFile({{L"一", {0, 100, 0, 100}},
                                                     {L"二", {100, 100, 100, 100}},
                                                     {L"三", {100, 100, 100, 100}}}));
    auto* store = KanjiManager::getInstance();
    const int types[] = {ExerciseType::KanjiMeaningQuestion, ExerciseType::KunyomiQuestion,
                         ExerciseType::OnyomiQuestion, ExerciseType::DrawKanjiFromMeaning};
    // The kind walks forward from the drawn one to the first unfinished part.
    const int walked[] = {0, 2, 2, 0};
    for (unsigned seed = 1; seed <= 12; ++seed)
    {
        // Grade mode, nothing new: pick, kind, and for questions the start.
        std::srand(seed);
        std::rand();
        const int kind = std::rand() % 4;
        std::rand();
        const int afterStart = std::rand();
        std::srand(seed);
        const Exercise next = store->nextExercise(5, false);
        EXPECT_EQ(next.getType(), types[walked[kind]]);
        EXPECT_EQ(next.getHash(), key(L"一"));
        EXPECT_EQ(std::rand(), afterStart);

        // Review: grade, pick, kind, and for questions the start.
        std::srand(seed);
        std::rand();
        std::rand();
        const int reviewKind = std::rand() % 4;
        const int afterReviewKind = std::rand();
        const int afterReviewQuestion = std::rand();
        std::srand(seed);
        const Exercise review = store->reviewExercise();
        EXPECT_EQ(review.getType(), types[reviewKind]);
        EXPECT_NE(review.getHash(), key(L"一"));
        EXPECT_EQ(std::rand(), reviewKind == 3 ? afterReviewKind : afterReviewQuestion);
    }
}

TEST(KanjiExercises, DrawingTasks)
{
    useGrade5Texts(kanjiRecord(L"一", L"One", {L"イチ"}, {L"ひと"}) + kanjiRecord(L"二", L"Two", {L"ニ"}, {L"ふた"}),
                   strokeRecord(L"一", {10}) + strokeRecord(L"二", {20, 30}));
    TestDirectory directory;
    TestDirectory::writeFile(grade5Path,
                             scoredFile({{L"一", {100, 100, 100, -1}}, {L"二", {100, 100, 100, 100}}}));
    auto* store = KanjiManager::getInstance();

    // Never drawn: the practice task, whatever kind is drawn, and the score becomes 0.
    std::srand(1);
    const Exercise practice = store->nextExercise(5, false);
    EXPECT_EQ(practice.getType(), ExerciseType::DrawingPractice);
    EXPECT_EQ(practice.getText(), L"One");
    EXPECT_EQ(practice.getInstruction(), L"Practice how to draw the kanji");
    ASSERT_EQ(practice.getStrokes().size(), 1u);
    EXPECT_EQ(practice.getStrokes()[0][1].position, sf::Vector2f(10, 0));
    EXPECT_EQ(store->getKanji(key(L"一")).getDrawingScore(), 0);

    const Exercise drawing = store->nextExercise(5, false);
    EXPECT_EQ(drawing.getType(), ExerciseType::DrawKanjiFromMeaning);
    EXPECT_EQ(drawing.getInstruction(), L"Draw the kanji represented by its meaning");
    EXPECT_EQ(drawing.getText(), L"One");

    // Help on a drawing task starts the drawing score over, even for a mastered kanji.
    const Exercise help = store->drawingExercise(key(L"二"), true);
    EXPECT_EQ(help.getType(), ExerciseType::DrawingPractice);
    EXPECT_EQ(help.getStrokes().size(), 2u);
    EXPECT_EQ(store->getKanji(key(L"二")).getDrawingScore(), 0);
    EXPECT_EQ(store->countMastered(5), 1);
}

TEST(KanjiExercises, ReadingQuestionWithTwoRightReadings)
{
    TestDirectory directory;
    // 一 (イチ, イツ) is learning and misses only its on readings; every other kanji is new.
    TestDirectory::writeFile(grade5Path, scoredFile({{L"一", {100, 100, 0, 100}}}));
    auto* store = KanjiManager::getInstance();
    std::set<std::wstring> otherOnyomi;
    for (wchar_t c : grade5)
        if (c != L'一')
            for (const auto& reading : store->getKanji(key(std::wstring(1, c))).getOnyomi())
                otherOnyomi.insert(reading);

    int asked = 0;
    for (unsigned seed = 1; seed <= 40; ++seed)
    {
        std::srand(seed);
        const Exercise question = store->nextExercise(5, false);
        if (question.getText() != L"一")
            continue; // an introduction, or a question on the kanji it introduced
        ASSERT_EQ(question.getType(), ExerciseType::OnyomiQuestion);
        ++asked;
        EXPECT_EQ(question.getInstruction(), L"Choose the\ncorrect onyomi\nreadings for\nthe kanji shown");
        const auto options = question.getOptions();
        EXPECT_EQ(options.size(), 9u);
        EXPECT_TRUE(options.count(L"イチ"));
        EXPECT_TRUE(options.count(L"イツ"));
        for (const auto& option : options)
            EXPECT_TRUE(option == L"イチ" || option == L"イツ" || otherOnyomi.count(option));
        EXPECT_EQ((std::vector<int>{question.getMeaningProgress(), question.getKunyomiProgress(),
                                    question.getOnyomiProgress(), question.getDrawingProgress()}),
                  (std::vector<int>{100, 100, 0, 100}));
    }
    EXPECT_GT(asked, 0);
}

TEST(KanjiExercises, TenReadingsOfItsOwnLeaveNoRoomForWrongOnes)
{
    useGrade5Texts(kanjiRecord(L"一", L"One", {L"イチ"}, {L"ひと"}) +
                       kanjiRecord(L"多", L"Many", {L"タ"}, {L"a", L"b", L"c", L"d", L"e", L"f", L"g", L"h", L"i", L"j"}),
                   L"");
    TestDirectory directory;
    // Nothing new; the learning list of both is the source, only 多 misses its kun readings.
    TestDirectory::writeFile(grade5Path, scoredFile({{L"一", {0, 100, 100, 100}}, {L"多", {100, 0, 100, 100}}}));
    auto* store = KanjiManager::getInstance();
    int asked = 0;
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        std::srand(seed);
        const Exercise question = store->nextExercise(5, false);
        if (question.getType() != ExerciseType::KunyomiQuestion)
            continue;
        ++asked;
        EXPECT_EQ(question.getOptions().size(), 10u);
        EXPECT_EQ(question.getMeaningProgress(), 100);
        EXPECT_FALSE(question.getOptions().count(L"ひと"));
    }
    EXPECT_GT(asked, 0);
}

TEST(KanjiExercises, MissingReadingsCountAsKnownAndReviewAsksOnlyWhatAKanjiHas)
{
    // 千 is new and has no reading; 万 (no kun) and 〇 (no reading) are mastered.
    useGrade5Texts(kanjiRecord(L"千", L"Thousand", {}, {}) + kanjiRecord(L"万", L"Ten thousand", {L"マン"}, {}) +
                       kanjiRecord(L"〇", L"Zero", {}, {}),
                   strokeRecord(L"千", {10}) + strokeRecord(L"万", {10}) + strokeRecord(L"〇", {10}));
    TestDirectory directory;
    TestDirectory::writeFile(grade5Path, scoredFile({{L"万", {100, 100, 100, 100}}, {L"〇", {100, 100, 100, 100}}}));
    auto* store = KanjiManager::getInstance();
    EXPECT_EQ(store->nextExercise(5, false).getText(), L"千");
    const Kanji introduced = store->getKanji(key(L"千"));
    EXPECT_EQ(introduced.getKunyomiScore(), 100);
    EXPECT_EQ(introduced.getOnyomiScore(), 100);
    EXPECT_EQ(introduced.getMeaningScore(), 0);

    // Grade mode walks past the finished reading parts; review turns a missing
    // kun reading into on, and a missing on reading into drawing.
    std::map<std::wstring, std::set<int>> seen;
    for (unsigned seed = 1; seed <= 200; ++seed)
    {
        std::srand(seed);
        const Exercise next = store->nextExercise(5, false);
        ASSERT_EQ(next.getHash(), key(L"千"));
        seen[L"千"].insert(next.getType());
        std::srand(seed);
        const Exercise review = store->reviewExercise();
        seen[store->getKanji(review.getHash()).getCharacter()].insert(review.getType());
    }
    EXPECT_EQ(seen[L"千"], (std::set<int>{ExerciseType::KanjiMeaningQuestion, ExerciseType::DrawKanjiFromMeaning,
                                          ExerciseType::DrawingPractice}));
    EXPECT_EQ(seen[L"万"], (std::set<int>{ExerciseType::OnyomiQuestion, ExerciseType::KanjiMeaningQuestion,
                                          ExerciseType::DrawKanjiFromMeaning}));
    EXPECT_EQ(seen[L"〇"], (std::set<int>{ExerciseType::KanjiMeaningQuestion, ExerciseType::DrawKanjiFromMeaning}));
}
