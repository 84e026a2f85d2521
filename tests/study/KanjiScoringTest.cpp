#include "study/KanjiManager.hpp"
#include "support/TestDirectory.hpp"
#include "tests/study/KanjiTestSupport.hpp"

#include <gtest/gtest.h>

using namespace kanjitest;

namespace
{
const std::string grade5Path = "save/JLPTN5kanjiprogress.txt";

// 三 has three kun readings, 十 eleven on readings; 一 has two model strokes,
// (0,0)-(100,0) and (0,0)-(40,0).
KanjiManager* loadStore(const std::string& progress)
{
    std::vector<std::wstring> eleven;
    for (int i = 0; i < 11; ++i)
        eleven.push_back(L"on" + std::to_wstring(i));
    useGrade5Texts(kanjiRecord(L"一", L"One", {L"イチ"}, {L"ひと"}) +
                       kanjiRecord(L"三", L"Three", {L"サン"}, {L"み", L"みっ", L"みつ"}) +
                       kanjiRecord(L"十", L"Ten", eleven, {L"とお"}),
                   strokeRecord(L"一", {100, 40}) + strokeRecord(L"三", {10, 10, 10}) + strokeRecord(L"十", {10, 10}));
    TestDirectory::writeFile(grade5Path, progress + "#");
    return KanjiManager::getInstance();
}

Exercise question(int type, const std::wstring& character, int meaning, int kunyomi, int onyomi)
{
    Exercise exercise;
    exercise.setType(type);
    exercise.setHash(key(character));
    exercise.setText(character);
    exercise.setMeaningProgress(meaning);
    exercise.setKunyomiProgress(kunyomi);
    exercise.setOnyomiProgress(onyomi);
    return exercise;
}

sf::VertexArray stroke(std::initializer_list<sf::Vector2f> points, sf::PrimitiveType type = sf::LineStrip)
{
    sf::VertexArray result(type);
    for (const auto& point : points)
        result.append(sf::Vertex(point));
    return result;
}
} // namespace

TEST(KanjiScoring, ReadingStepsDependOnTheNumberOfReadings)
{
    TestDirectory directory;
    auto* store = loadStore(progressRecord(key(L"三"), 100, 30, 100, 100) + progressRecord(key(L"十"), 100, 100, 50, 100));
    Exercise kun = question(ExerciseType::KunyomiQuestion, L"三", 100, 30, 100);
    const int expected[] = {33, 36, 39};
    const std::wstring answers[] = {L"み", L"みっ", L"みつ"};
    for (int i = 0; i < 3; ++i)
    {
        EXPECT_FALSE(store->hasEnoughAnswers(kun, i));
        EXPECT_TRUE(store->checkAnswer(kun, answers[i]));
        EXPECT_EQ(kun.getKunyomiProgress(), expected[i]);
        EXPECT_EQ(store->getKanji(key(L"三")).getKunyomiScore(), expected[i]);
    }
    EXPECT_TRUE(store->hasEnoughAnswers(kun, 3));
    EXPECT_FALSE(store->hasEnoughAnswers(kun, 4));
    EXPECT_FALSE(store->checkAnswer(kun, L"ひと"));
    EXPECT_EQ(kun.getKunyomiProgress(), 19);

    // Eleven readings: 10 / 11 is nothing.
    Exercise on = question(ExerciseType::OnyomiQuestion, L"十", 100, 100, 50);
    EXPECT_TRUE(store->checkAnswer(on, L"on7"));
    EXPECT_EQ(on.getOnyomiProgress(), 50);
    EXPECT_FALSE(store->checkAnswer(on, L"サン"));
    EXPECT_EQ(store->getKanji(key(L"十")).getOnyomiScore(), 30);
    EXPECT_FALSE(store->hasEnoughAnswers(on, 10));
    EXPECT_TRUE(store->hasEnoughAnswers(on, 11));
}

TEST(KanjiScoring, MeaningAnswersAreCappedAndFloored)
{
    TestDirectory directory;
    auto* store = loadStore(progressRecord(key(L"一"), 95, 40, 30, 20));
    Exercise meaning = question(ExerciseType::KanjiMeaningQuestion, L"一", 95, 40, 30);
    EXPECT_TRUE(store->checkAnswer(meaning, L"One"));
    EXPECT_EQ(meaning.getMeaningProgress(), 100);
    EXPECT_TRUE(store->hasEnoughAnswers(meaning, 1));
    EXPECT_FALSE(store->hasEnoughAnswers(meaning, 2));
    EXPECT_FALSE(store->checkAnswer(meaning, L"one"));
    EXPECT_EQ(meaning.getMeaningProgress(), 80);

    Exercise low = question(ExerciseType::KanjiMeaningQuestion, L"一", 15, 7, 8);
    EXPECT_FALSE(store->checkAnswer(low, L"Two"));
    // All three snapshots are written back, whatever was asked.
    const Kanji stored = store->getKanji(key(L"一"));
    EXPECT_EQ(stored.getMeaningScore(), 0);
    EXPECT_EQ(stored.getKunyomiScore(), 7);
    EXPECT_EQ(stored.getOnyomiScore(), 8);
    EXPECT_EQ(stored.getDrawingScore(), 20);

    // Not a kanji question: nothing is judged.
    Exercise drawing = question(ExerciseType::DrawKanjiFromMeaning, L"一", 90, 90, 90);
    EXPECT_FALSE(store->checkAnswer(drawing, L"One"));
    EXPECT_FALSE(store->hasEnoughAnswers(drawing, 0));
    EXPECT_EQ(store->getKanji(key(L"一")).getMeaningScore(), 0);
}

TEST(KanjiScoring, AnswersMoveKanjiBetweenLearningAndMastered)
{
    TestDirectory directory;
    auto* store = loadStore(progressRecord(key(L"一"), 100, 100, 95, 100) + progressRecord(key(L"三"), 100, 100, 100, 100) +
                            progressRecord(key(L"十"), 100, 100, 100, 100));
    EXPECT_EQ(store->countMastered(5), 2);
    Exercise on = question(ExerciseType::OnyomiQuestion, L"一", 100, 100, 95);
    EXPECT_TRUE(store->checkAnswer(on, L"イチ"));
    EXPECT_EQ(store->countMastered(5), 3);
    EXPECT_EQ(store->nextExercise(5, false).getType(), ExerciseType::None);

    // A right answer keeps a mastered kanji there; one wrong answer sends it back.
    Exercise review = question(ExerciseType::KunyomiQuestion, L"三", 100, 100, 100);
    EXPECT_TRUE(store->checkAnswer(review, L"み"));
    EXPECT_EQ(store->countMastered(5), 3);
    EXPECT_FALSE(store->checkAnswer(review, L"ひと"));
    EXPECT_EQ(store->countMastered(5), 2);
    EXPECT_EQ(store->countKanji(5), 3);
    EXPECT_EQ(store->nextExercise(5, false).getHash(), key(L"三"));
}

TEST(KanjiScoring, StrokeLimitsAreInclusive)
{
    TestDirectory directory;
    auto* store = loadStore(progressRecord(key(L"一"), 10, 20, 30, 50));
    const Exercise drawing = store->drawingExercise(key(L"一"), false);
    ASSERT_EQ(drawing.getType(), ExerciseType::DrawKanjiFromMeaning);
    EXPECT_EQ((std::vector<int>{drawing.getMeaningProgress(), drawing.getKunyomiProgress(), drawing.getOnyomiProgress(),
                                drawing.getDrawingProgress()}), (std::vector<int>{10, 20, 30, 50}));

    const std::pair<sf::VertexArray, bool> cases[] = {
        {stroke({{42, 56}, {142, 56}}), true},    // both ends exactly 70.0 away
        {stroke({{0, 70.1f}, {100, 0}}), false},  // start too far
        {stroke({{0, 0}, {100, 70.1f}}), false},  // end too far
        {stroke({{0, 0}, {150, 0}}), true},       // length exactly 50.0 longer
        {stroke({{0, 0}, {150.5f, 0}}), false},   // length too long
        {stroke({{0, 0}, {50, 0}}), true},        // length exactly 50.0 shorter
        {stroke({{0, 0}, {49.5f, 0}}), false},    // length too short
        {stroke({{0, 0}, {50, 60}, {100, 0}}), false},
        {stroke({}), false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
    {
        sf::VertexArray drawn = cases[i].first;
        EXPECT_EQ(store->checkStroke(drawing, drawn, 0, true), cases[i].second) << "case " << i;
    }

    // One point against a short model stroke: length 0 is close enough.
    sf::VertexArray dot = stroke({{20, 0}}, sf::Points);
    EXPECT_TRUE(store->checkStroke(drawing, dot, 1, true));
    // The accepted stroke now holds the model, and keeps its own primitive type.
    ASSERT_EQ(dot.getVertexCount(), 2u);
    EXPECT_EQ(dot[0].position, sf::Vector2f(0, 0));
    EXPECT_EQ(dot[1].position, sf::Vector2f(40, 0));
    EXPECT_EQ(dot.getPrimitiveType(), sf::Points);
    EXPECT_EQ(store->getKanji(key(L"一")).getDrawingScore(), 50);

    // In practice a stroke beyond the model is just wrong.
    sf::VertexArray extra = stroke({{0, 0}, {100, 0}});
    EXPECT_FALSE(store->checkStroke(drawing, extra, 2, true));
    EXPECT_EQ(extra.getVertexCount(), 2u);
}

TEST(KanjiScoring, RejectedStrokesCostFiveOutsidePracticeAndACompleteDrawingGivesTen)
{
    TestDirectory directory;
    auto* store = loadStore(progressRecord(key(L"一"), 100, 100, 100, 100) + progressRecord(key(L"三"), 50, 50, 50, 3));
    const Exercise one = store->drawingExercise(key(L"一"), false);
    sf::VertexArray wrong = stroke({{0, 100}, {100, 100}});

    EXPECT_FALSE(store->checkStroke(one, wrong, 0, true));
    EXPECT_EQ(store->getKanji(key(L"一")).getDrawingScore(), 100);
    EXPECT_EQ(store->countMastered(5), 1);

    EXPECT_FALSE(store->checkStroke(one, wrong, 0, false));
    EXPECT_EQ(store->getKanji(key(L"一")).getDrawingScore(), 95);
    EXPECT_EQ(store->countMastered(5), 0);

    const Exercise three = store->drawingExercise(key(L"三"), false);
    EXPECT_FALSE(store->checkStroke(three, wrong, 0, false));
    EXPECT_EQ(store->getKanji(key(L"三")).getDrawingScore(), 0);

    // 一 has two model strokes: one stroke is not complete; two give 100 and mastery back.
    EXPECT_FALSE(store->checkStrokeCount(one, 1));
    EXPECT_EQ(store->getKanji(key(L"一")).getDrawingScore(), 95);
    EXPECT_TRUE(store->checkStrokeCount(one, 2));
    EXPECT_EQ(store->getKanji(key(L"一")).getDrawingScore(), 100);
    EXPECT_EQ(store->countMastered(5), 1);
    EXPECT_TRUE(store->checkStrokeCount(one, 2));
    EXPECT_EQ(store->getKanji(key(L"一")).getDrawingScore(), 100);
}

TEST(KanjiScoringDeathTest, StrokeBeyondTheModelEndsADrawingFromMeaning)
{
    // Sound threads may be running: start the dying child afresh instead of forking.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TestDirectory directory;
    auto* store = loadStore(progressRecord(key(L"一"), 0, 0, 0, 50));
    const Exercise drawing = store->drawingExercise(key(L"一"), false);
    sf::VertexArray extra = stroke({{0, 0}, {100, 0}});
    EXPECT_EXIT(store->checkStroke(drawing, extra, 2, false), testing::ExitedWithCode(1),
                "^ERROR: Received more strokes than expected\n");
}
