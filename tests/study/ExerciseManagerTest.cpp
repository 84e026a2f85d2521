#include "study/ExerciseManager.hpp"
#include "study/KanjiManager.hpp"
#include "study/ProgressFile.hpp"
#include "study/WordManager.hpp"
#include "support/TestDirectory.hpp"
#include "tests/study/WordTestSupport.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>

using namespace wordtest;

namespace
{
std::wstring wrongOption(const Exercise& exercise, const std::set<std::wstring>& right)
{
    for (const auto& option : exercise.getOptions())
        if (right.count(option) == 0)
            return option;
    return L"";
}

bool isWordQuestion(const Exercise& exercise)
{
    return exercise.getType() == ExerciseType::WordPronunciationQuestion ||
           exercise.getType() == ExerciseType::WordMeaningQuestion;
}

// Every score and the list of every word, every kanji's scores and the counts.
std::string snapshot()
{
    std::ostringstream out;
    auto* words = WordManager::getInstance();
    for (const auto key : wordKeys(5))
    {
        const Word word = words->getWord(key);
        const char list = contains(words->getMasteredWords(5), key)   ? 'm'
                          : contains(words->getLearningWords(5), key) ? 'l'
                                                                      : 'n';
        out << key << ' ' << word.getReadingScore() << ' ' << word.getMeaningScore() << ' ' << list << '\n';
    }
    auto* kanji = KanjiManager::getInstance();
    for (const auto key : kanjiKeys())
    {
        const Kanji k = kanji->getKanji(key);
        out << key << ' ' << k.getMeaningScore() << ' ' << k.getKunyomiScore() << ' ' << k.getOnyomiScore() << ' '
            << k.getDrawingScore() << '\n';
    }
    out << kanji->countMastered(5) << ' ' << words->countMastered(5);
    return out.str();
}

// The first exercise of draws whose first rand() is odd and of those whose first is even.
void expectFirstDraws(std::uint64_t odd, std::uint64_t even)
{
    for (unsigned seed = 1; seed <= 8; ++seed)
    {
        std::srand(seed);
        const bool isOdd = std::rand() % 2 == 1;
        std::srand(seed);
        EXPECT_EQ(ExerciseManager::getInstance()->nextExercise().getHash(), isOdd ? odd : even) << "seed " << seed;
    }
}

// Plays a while at grade 5, answering with the first option of every question.
void play(int rounds)
{
    auto* manager = ExerciseManager::getInstance();
    int outputs[4];
    for (int round = 0; round < rounds; ++round)
    {
        const Exercise exercise = manager->nextExercise();
        const auto options = exercise.getOptions();
        if (options.empty())
            continue;
        if (isWordQuestion(exercise))
            manager->checkWordAnswer(*options.begin(), &outputs[0], &outputs[1]);
        else
            manager->checkKanjiAnswer(*options.begin(), &outputs[0], &outputs[1], &outputs[2], &outputs[3]);
    }
}
} // namespace

TEST(ExerciseManager, FirstRunIntroducesKanjiBeforeTheWordsThatUseThem)
{
    TestDirectory directory;
    std::srand(11);
    auto* manager = ExerciseManager::getInstance();
    manager->selectGrade(5);

    EXPECT_EQ(manager->nextExercise().getType(), ExerciseType::NewKanjiInfo);
    EXPECT_EQ(WordManager::getInstance()->getNewWords(5).size(), 294u);

    int wordsIntroduced = 0;
    for (int round = 0; round < 3000 && wordsIntroduced < 2; ++round)
    {
        const Exercise exercise = manager->nextExercise();
        ASSERT_NE(exercise.getType(), ExerciseType::None);
        if (exercise.getType() != ExerciseType::NewWordInfo)
            continue;
        ++wordsIntroduced;
        EXPECT_EQ(WordManager::getInstance()->getLearningWords(5).back(), exercise.getHash());
        for (const wchar_t unit : exercise.getText())
            EXPECT_FALSE(KanjiManager::getInstance()->getKanji(hashString(std::wstring(1, unit))).isNew());
    }
    EXPECT_EQ(wordsIntroduced, 2);
}

TEST(ExerciseManager, WordQuestionsGoOnWhenEveryKanjiIsMastered)
{
    TestDirectory directory;
    const std::uint64_t up = hashString(L"上");
    writeGrade5Progress({}, {{up, {50, 50}}});
    std::srand(2);
    auto* manager = ExerciseManager::getInstance();
    manager->selectGrade(5);

    // Half of these draws ask the kanji store first, which has nothing left.
    Exercise exercise;
    for (int round = 0; round < 20; ++round)
    {
        exercise = manager->nextExercise();
        ASSERT_TRUE(isWordQuestion(exercise));
        ASSERT_EQ(exercise.getHash(), up);
    }
    const bool meaning = exercise.getType() == ExerciseType::WordMeaningQuestion;
    const Word word = WordManager::getInstance()->getWord(up);
    const std::wstring right = meaning ? word.getMeaning() : word.getReading();
    const std::wstring wrong = wrongOption(exercise, {right});

    // A wrong answer is not remembered: given twice, it costs twice.
    int reading = -5, meaningScore = -5;
    EXPECT_FALSE(manager->checkWordAnswer(wrong, &reading, &meaningScore));
    EXPECT_EQ(meaning ? meaningScore : reading, 30);
    EXPECT_FALSE(manager->checkWordAnswer(wrong, &reading, &meaningScore));
    EXPECT_EQ(meaning ? meaningScore : reading, 10);
    EXPECT_EQ(meaning ? reading : meaningScore, 50);
    EXPECT_FALSE(manager->isQuestionComplete());

    EXPECT_TRUE(manager->checkWordAnswer(right, &reading, &meaningScore));
    EXPECT_EQ(meaning ? meaningScore : reading, 20);
    EXPECT_FLOAT_EQ(correctSound.getPitch(), 1.4f);
    EXPECT_TRUE(manager->isQuestionComplete());

    // Accepted already: reported again, neither scored nor sounded.
    correctSound.stop();
    correctSound.setPitch(1.f);
    reading = meaningScore = -5;
    EXPECT_TRUE(manager->checkWordAnswer(right, &reading, &meaningScore));
    EXPECT_EQ(meaning ? meaningScore : reading, 20);
    EXPECT_EQ(meaning ? reading : meaningScore, 50);
    EXPECT_EQ(correctSound.getStatus(), sf::Sound::Stopped);
    EXPECT_FLOAT_EQ(correctSound.getPitch(), 1.f);
    const Word stored = WordManager::getInstance()->getWord(up);
    EXPECT_EQ(meaning ? stored.getMeaningScore() : stored.getReadingScore(), 20);

    const Exercise help = manager->helpExercise();
    EXPECT_EQ(help.getType(), ExerciseType::NewWordInfo);
    EXPECT_EQ(help.getHash(), up);
    EXPECT_EQ(manager->getExercise().getType(), exercise.getType());

    // A kanji check does not apply to a word question.
    int outputs[4] = {-5, -5, -5, -5};
    EXPECT_FALSE(manager->checkKanjiAnswer(wrong, &outputs[0], &outputs[1], &outputs[2], &outputs[3]));
    EXPECT_EQ(outputs[0], -5);

    // In the next question of the same kind the same answer is judged afresh.
    do
        exercise = manager->nextExercise();
    while ((exercise.getType() == ExerciseType::WordMeaningQuestion) != meaning);
    EXPECT_TRUE(manager->checkWordAnswer(right, &reading, &meaningScore));
    EXPECT_EQ(meaning ? meaningScore : reading, 30);
}

TEST(ExerciseManager, GradeDrawPicksTheFirstStoreAndReadingsNeedEveryAnswer)
{
    TestDirectory directory;
    const std::uint64_t one = hashString(L"一"); // onyomi イチ and イツ
    const std::uint64_t up = hashString(L"上");
    writeGrade5Progress({{one, {100, 100, 40, 100}}}, {{up, {0, 0}}});
    auto* manager = ExerciseManager::getInstance();
    manager->selectGrade(5);

    // An odd draw asks the word store first, an even one the kanji store.
    expectFirstDraws(up, one);
    Exercise exercise;
    while (exercise.getHash() != one)
        exercise = manager->nextExercise();
    ASSERT_EQ(exercise.getType(), ExerciseType::OnyomiQuestion);
    EXPECT_EQ(exercise.getOptions().size(), 9u);

    int meaning = 0, kunyomi = 0, onyomi = 0, drawing = 0;
    EXPECT_TRUE(manager->checkKanjiAnswer(L"イチ", &meaning, &kunyomi, &onyomi, &drawing));
    EXPECT_EQ(onyomi, 45);
    EXPECT_FLOAT_EQ(correctSound.getPitch(), 1.4f);
    EXPECT_FALSE(manager->isQuestionComplete());

    correctSound.stop();
    meaning = kunyomi = onyomi = drawing = -5;
    EXPECT_TRUE(manager->checkKanjiAnswer(L"イチ", &meaning, &kunyomi, &onyomi, &drawing));
    EXPECT_EQ(std::vector<int>({meaning, kunyomi, onyomi, drawing}), std::vector<int>({100, 100, 45, 100}));
    EXPECT_EQ(correctSound.getStatus(), sf::Sound::Stopped);
    EXPECT_FALSE(manager->isQuestionComplete());

    EXPECT_TRUE(manager->checkKanjiAnswer(L"イツ", &meaning, &kunyomi, &onyomi, &drawing));
    EXPECT_EQ(onyomi, 50);
    EXPECT_FLOAT_EQ(correctSound.getPitch(), 1.5f);
    EXPECT_TRUE(manager->isQuestionComplete());

    const std::wstring wrong = wrongOption(exercise, {L"イチ", L"イツ"});
    EXPECT_FALSE(manager->checkKanjiAnswer(wrong, &meaning, &kunyomi, &onyomi, &drawing));
    EXPECT_FALSE(manager->checkKanjiAnswer(wrong, &meaning, &kunyomi, &onyomi, &drawing));
    EXPECT_EQ(onyomi, 10);
    EXPECT_EQ(KanjiManager::getInstance()->getKanji(one).getOnyomiScore(), 10);
    EXPECT_FLOAT_EQ(correctSound.getPitch(), 1.5f);

    EXPECT_EQ(manager->helpExercise().getType(), ExerciseType::NewKanjiInfo);

    // A word check does not apply to a kanji question.
    int reading = -5;
    EXPECT_FALSE(manager->checkWordAnswer(L"いち", &reading, &meaning));
    EXPECT_EQ(reading, -5);
}

TEST(ExerciseManager, ReviewAsksKanjiAndWordsInTurn)
{
    TestDirectory directory;
    const std::uint64_t one = hashString(L"一");
    const std::uint64_t up = hashString(L"上");
    writeGrade5Progress({{one, {100, 100, 100, 100}}}, {{up, {100, 100}}}, -1);
    auto* manager = ExerciseManager::getInstance();
    manager->setReviewMode(true);

    // An odd draw asks the kanji store first, an even one the word store.
    expectFirstDraws(one, up);

    // One wrong answer loses the mastered kanji.
    Exercise exercise;
    do
        exercise = manager->nextExercise();
    while (exercise.getHash() != one || exercise.getType() == ExerciseType::DrawKanjiFromMeaning);
    int outputs[4];
    EXPECT_FALSE(manager->checkKanjiAnswer(L"wrong", &outputs[0], &outputs[1], &outputs[2], &outputs[3]));
    EXPECT_EQ(manager->countMasteredKanji(5), 0);

    // Now a kanji-first draw falls through to the words: the kind draw, one
    // grade draw for the kanji and four draws for the word question.
    for (unsigned seed = 1; seed <= 8; ++seed)
    {
        std::srand(seed);
        const int draws = std::rand() % 2 == 1 ? 5 : 4;
        for (int draw = 0; draw < draws; ++draw)
            std::rand();
        const int afterRequests = std::rand();
        std::srand(seed);
        EXPECT_EQ(manager->nextExercise().getHash(), up) << "seed " << seed;
        EXPECT_EQ(std::rand(), afterRequests) << "seed " << seed;
    }

    // A wrong review answer takes the asked part from 100 to 80 and the word back to learning.
    exercise = manager->nextExercise();
    const bool askedMeaning = exercise.getType() == ExerciseType::WordMeaningQuestion;
    int reading = 0, meaning = 0;
    EXPECT_FALSE(manager->checkWordAnswer(L"wrong", &reading, &meaning));
    EXPECT_EQ(askedMeaning ? meaning : reading, 80);
    EXPECT_EQ(askedMeaning ? reading : meaning, 100);
    EXPECT_EQ(WordManager::getInstance()->getLearningWords(5), std::vector<std::uint64_t>{up});
    EXPECT_EQ(manager->countMasteredWords(5), 0);

    // Nothing mastered: the kind draw, then three requests of one grade draw each.
    std::srand(8);
    for (int draw = 0; draw < 4; ++draw)
        std::rand();
    const int afterThreeRequests = std::rand();
    std::srand(8);
    EXPECT_EQ(manager->nextExercise().getType(), ExerciseType::None);
    EXPECT_EQ(std::rand(), afterThreeRequests);

    // Choosing a level ends review mode.
    manager->selectGrade(5);
    EXPECT_NE(manager->nextExercise().getType(), ExerciseType::None);
    manager->selectGrade(4);
    EXPECT_EQ(manager->nextExercise().getType(), ExerciseType::None);
}

TEST(ExerciseManager, StrokesPlayRisingPitches)
{
    TestDirectory directory;
    const std::uint64_t two = hashString(L"二");
    writeGrade5Progress({{two, {100, 100, 100, -1}}}, {});
    std::srand(10);
    auto* manager = ExerciseManager::getInstance();
    manager->selectGrade(5);

    const Exercise practice = manager->nextExercise();
    ASSERT_EQ(practice.getType(), ExerciseType::DrawingPractice);
    const auto model = practice.getStrokes();
    ASSERT_EQ(model.size(), 2u);
    auto stroke = model[0];
    EXPECT_TRUE(manager->checkStrokeAt(stroke, 0));
    EXPECT_FLOAT_EQ(correctSound.getPitch(), 1.3f);
    stroke = model[1];
    EXPECT_TRUE(manager->checkStrokeAt(stroke, 1));
    EXPECT_FLOAT_EQ(correctSound.getPitch(), 1.4f);
    stroke = model[1];
    EXPECT_FALSE(manager->checkStrokeAt(stroke, 2));

    const Exercise drawing = manager->nextExercise();
    ASSERT_EQ(drawing.getType(), ExerciseType::DrawKanjiFromMeaning);
    stroke = model[0];
    EXPECT_TRUE(manager->checkStroke(stroke));
    EXPECT_FLOAT_EQ(correctSound.getPitch(), 1.4f);
    EXPECT_EQ(manager->helpExercise().getType(), ExerciseType::DrawingPractice);
    EXPECT_EQ(manager->getExercise().getType(), ExerciseType::DrawKanjiFromMeaning);
    stroke = model[1];
    EXPECT_TRUE(manager->checkStroke(stroke));
    EXPECT_FLOAT_EQ(correctSound.getPitch(), 1.5f);
    EXPECT_TRUE(manager->checkStrokeCount(2));
    EXPECT_EQ(KanjiManager::getInstance()->getKanji(two).getDrawingScore(), 10);

    // Outside practice a rejected stroke costs 5.
    ASSERT_EQ(manager->nextExercise().getType(), ExerciseType::DrawKanjiFromMeaning);
    sf::VertexArray far(sf::LineStrip, 1);
    far[0].position = {900, 900};
    EXPECT_FALSE(manager->checkStroke(far));
    EXPECT_EQ(KanjiManager::getInstance()->getKanji(two).getDrawingScore(), 5);
}

TEST(ExerciseManager, SavedProgressComesBackInAFreshProcess)
{
    TestDirectory directory;
    EXPECT_EXIT(
        {
            std::srand(21);
            ExerciseManager::getInstance()->selectGrade(5);
            play(400);
            TestDirectory::writeFile("expected.txt", snapshot());
            ExerciseManager::getInstance()->saveAndQuit();
        },
        ::testing::ExitedWithCode(0), "");

    // This process has not loaded anything yet: it reads what the child saved.
    const std::string expected = TestDirectory::readFile("expected.txt");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(snapshot(), expected);
    EXPECT_GT(ExerciseManager::getInstance()->countMasteredKanji(5) + WordManager::getInstance()->getLearningWords(5).size(),
              0u);
}

TEST(ExerciseManager, SaveAndQuitWritesKanjiBeforeWordsAndExitsWithZero)
{
    TestDirectory directory;
    // Folders in the way of the two grade-5 files make both writes fail
    // with a warning each, which shows the order of the writes.
    EXPECT_EXIT(
        {
            ExerciseManager::getInstance()->countKanji(5);
            ExerciseManager::getInstance()->countWords(5);
            std::filesystem::remove(ProgressFile::kanjiPath(5));
            std::filesystem::remove(ProgressFile::wordPath(5));
            std::filesystem::create_directory(ProgressFile::kanjiPath(5));
            std::filesystem::create_directory(ProgressFile::wordPath(5));
            ExerciseManager::getInstance()->saveAndQuit();
        },
        ::testing::ExitedWithCode(0), "could not write save/JLPTN5kanjiprogress.txt.*could not write save/JLPTN5wordprogress.txt");
    for (int grade = 1; grade <= 4; ++grade)
    {
        EXPECT_EQ(TestDirectory::readFile(ProgressFile::kanjiPath(grade)), "#");
        EXPECT_EQ(TestDirectory::readFile(ProgressFile::wordPath(grade)), "#");
    }
}
