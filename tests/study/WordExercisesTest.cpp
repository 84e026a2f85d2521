#include "study/WordManager.hpp"
#include "support/TestDirectory.hpp"
#include "tests/study/WordTestSupport.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace wordtest;

namespace
{
const std::string grade5Path = "save/JLPTN5wordprogress.txt";
const std::uint64_t up = hashString(L"上");
const std::uint64_t down = hashString(L"下");
const std::uint64_t that = hashString(L"あの");
const std::uint64_t thisOne = hashString(L"この");

Exercise question(int type, std::uint64_t key, int reading, int meaning)
{
    Exercise exercise;
    exercise.setType(type);
    exercise.setHash(key);
    exercise.setReadingProgress(reading);
    exercise.setMeaningProgress(meaning);
    return exercise;
}
} // namespace

TEST(WordExercises, WordsWaitForTheirKanji)
{
    TestDirectory directory;
    // 上 is a kanji nobody has been shown yet; あの holds no kanji at all.
    wordTexts[5] = wordRecord(L"上", L"うえ", L"Up") + wordRecord(L"あの", L"あの", L"That") + L"#";
    std::srand(3);
    auto* store = WordManager::getInstance();

    const Exercise card = store->nextExercise(5, false);
    EXPECT_EQ(card.getType(), ExerciseType::NewWordInfo);
    EXPECT_EQ(card.getHash(), that);
    EXPECT_EQ(card.getText(), L"あの");
    EXPECT_EQ(card.getReading(), L"あの");
    EXPECT_EQ(card.getMeaning(), L"That");
    EXPECT_EQ(card.getInstruction(), L"Memorize the\ninformation\nabout the\nnew word");
    EXPECT_EQ(std::pair(store->getWord(that).getReadingScore(), store->getWord(that).getMeaningScore()), std::pair(0, 0));
    EXPECT_EQ(store->getLearningWords(5), std::vector<std::uint64_t>{that});

    // With one learning word the introduction is always tried, and 上 fails it five times.
    EXPECT_EQ(store->nextExercise(5, false).getType(), ExerciseType::None);
    EXPECT_EQ(store->getNewWords(5), std::vector<std::uint64_t>{up});
    EXPECT_EQ(store->getWord(up).getReadingScore(), -1);
}

TEST(WordExercises, FiveRefusedWordsMoveToTheFrontOfTheNewList)
{
    TestDirectory directory;
    wordTexts[5] = wordRecord(L"上", L"うえ", L"Up") + wordRecord(L"下", L"した", L"Down") +
                   wordRecord(L"川", L"かわ", L"River") + wordRecord(L"山", L"やま", L"Mountain") +
                   wordRecord(L"口", L"くち", L"Mouth") + wordRecord(L"土", L"つち", L"Soil") + L"#";
    auto* store = WordManager::getInstance();
    const auto before = store->getNewWords(5);

    EXPECT_EQ(store->nextExercise(5, false).getType(), ExerciseType::None);
    EXPECT_EQ(store->getNewWords(5),
              (std::vector<std::uint64_t>{before[1], before[2], before[3], before[4], before[5], before[0]}));
    EXPECT_TRUE(store->getLearningWords(5).empty());
}

TEST(WordExercises, QuestionsOfferSixDistinctTextsAndSkipAFinishedPart)
{
    TestDirectory directory;
    // 空 is learning with its reading finished; the eight mastered words are
    // the source, three of them sharing its meaning.
    const std::uint64_t sky = hashString(L"空");
    wordTexts[5] = wordRecord(L"空", L"そら", L"Sky") + wordRecord(L"天", L"てん", L"Sky") +
                   wordRecord(L"上空", L"じょうくう", L"Sky") + wordRecord(L"空中", L"くうちゅう", L"Sky") +
                   wordRecord(L"上", L"うえ", L"Up") + wordRecord(L"下", L"した", L"Down") +
                   wordRecord(L"川", L"かわ", L"River") + wordRecord(L"山", L"やま", L"Mountain") +
                   wordRecord(L"口", L"くち", L"Mouth") + L"#";
    TestDirectory::writeFile(grade5Path, progressFile(wordKeys(5), {100, 100}, {{sky, {100, 50}}}));
    auto* store = WordManager::getInstance();

    for (unsigned seed = 1; seed <= 10; ++seed)
    {
        std::srand(seed);
        const Exercise exercise = store->nextExercise(5, false);
        ASSERT_EQ(exercise.getType(), ExerciseType::WordMeaningQuestion);
        EXPECT_EQ(exercise.getHash(), sky);
        EXPECT_EQ(exercise.getText(), L"空");
        EXPECT_EQ(exercise.getReadingProgress(), 100);
        EXPECT_EQ(exercise.getMeaningProgress(), 50);
        EXPECT_EQ(exercise.getInstruction(), L"Choose the\ncorrect meaning\nfor the word\nshown");
        // Wherever the walk starts it passes over the other "Sky" words.
        EXPECT_EQ(exercise.getOptions(),
                  (std::set<std::wstring>{L"Sky", L"Up", L"Down", L"River", L"Mountain", L"Mouth"}));
    }
}

TEST(WordExercises, RandomDrawsComeInOrder)
{
    TestDirectory directory;
    // 上 waits for its kanji; あの and この are learning; 下 and 川 are mastered.
    // Listed twice, この is learning with both parts finished: the drawn kind stays.
    wordTexts[5] = wordRecord(L"上", L"うえ", L"Up") + wordRecord(L"あの", L"あの", L"That") +
                   wordRecord(L"この", L"この", L"This") + wordRecord(L"下", L"した", L"Down") +
                   wordRecord(L"川", L"かわ", L"River") + L"#";
    TestDirectory::writeFile(grade5Path, wordProgress(that, 0, 0) + wordProgress(thisOne, 50, 50) + wordProgress(thisOne, 100, 100) +
                                             wordProgress(down, 100, 100) + wordProgress(hashString(L"川"), 100, 100) +
                                             "#");
    auto* store = WordManager::getInstance();
    const auto learning = store->getLearningWords(5);
    const auto mastered = store->getMasteredWords(5);
    const int types[] = {ExerciseType::WordPronunciationQuestion, ExerciseType::WordMeaningQuestion};
    for (unsigned seed = 1; seed <= 12; ++seed)
    {
        // Grade mode: the introduction chance (1 in 2), then pick, kind and start.
        std::srand(seed);
        const bool introduce = std::rand() % 2 == 0;
        const int afterChance = std::rand();
        const int kind = std::rand() % 2;
        std::rand();
        const int afterStart = std::rand();
        std::srand(seed);
        const Exercise next = store->nextExercise(5, false);
        if (introduce)
        {
            EXPECT_EQ(next.getType(), ExerciseType::None) << "上 is refused five times";
            EXPECT_EQ(std::rand(), afterChance);
        }
        else
        {
            EXPECT_EQ(next.getType(), types[kind]);
            EXPECT_EQ(next.getHash(), learning[static_cast<unsigned>(afterChance) % 2]);
            EXPECT_EQ(std::rand(), afterStart);
        }

        // Review: grade, pick, kind and start.
        std::srand(seed);
        std::rand();
        const int reviewPick = std::rand();
        const int reviewKind = std::rand() % 2;
        std::rand();
        const int afterReview = std::rand();
        std::srand(seed);
        const Exercise review = store->reviewExercise();
        EXPECT_EQ(review.getType(), types[reviewKind]);
        EXPECT_EQ(review.getHash(), mastered[static_cast<unsigned>(reviewPick) % 2]);
        EXPECT_EQ(std::rand(), afterReview);
    }
}

TEST(WordExercises, AnswersMoveScoresAndLists)
{
    TestDirectory directory;
    wordTexts[5] = wordRecord(L"上", L"うえ", L"Up") + wordRecord(L"下", L"した", L"Down") + L"#";
    TestDirectory::writeFile(grade5Path, wordProgress(up, 95, 100) + wordProgress(down, 10, 30) + "#");
    auto* store = WordManager::getInstance();

    Exercise reading = question(ExerciseType::WordPronunciationQuestion, up, 95, 100);
    EXPECT_TRUE(store->checkAnswer(reading, L"うえ"));
    EXPECT_EQ(reading.getReadingProgress(), 100);
    EXPECT_EQ(store->getMasteredWords(5), std::vector<std::uint64_t>{up});

    Exercise meaning = question(ExerciseType::WordMeaningQuestion, up, 100, 100);
    EXPECT_FALSE(store->checkAnswer(meaning, L"Down"));
    EXPECT_EQ(meaning.getMeaningProgress(), 80);
    EXPECT_EQ(store->getWord(up).getMeaningScore(), 80);
    EXPECT_EQ(store->getLearningWords(5), (std::vector<std::uint64_t>{down, up}));
    EXPECT_TRUE(store->getMasteredWords(5).empty());

    Exercise low = question(ExerciseType::WordPronunciationQuestion, down, 10, 30);
    EXPECT_FALSE(store->checkAnswer(low, L"うえ"));
    EXPECT_EQ(std::pair(store->getWord(down).getReadingScore(), store->getWord(down).getMeaningScore()), std::pair(0, 30));

    Exercise kanjiQuestion = question(ExerciseType::KanjiMeaningQuestion, down, 0, 30);
    EXPECT_FALSE(store->checkAnswer(kanjiQuestion, L"Down"));
    EXPECT_EQ(store->getWord(down).getMeaningScore(), 30);

    EXPECT_TRUE(store->hasEnoughAnswers(reading, 1));
    EXPECT_FALSE(store->hasEnoughAnswers(reading, 0));
    EXPECT_FALSE(store->hasEnoughAnswers(meaning, 2));
    EXPECT_FALSE(store->hasEnoughAnswers(kanjiQuestion, 1));
}
