#include "study/WordManager.hpp"

#include "study/KanjiManager.hpp"
#include "widgets/Helpers.hpp"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace
{
constexpr int introductionTries = 5;
constexpr std::size_t optionCount = 6;
constexpr int rightStep = 10;
constexpr int wrongStep = 20;

const std::wstring newWordInstruction = L"Memorize the\ninformation\nabout the\nnew word";
const std::wstring pronunciationInstruction = L"Choose the\ncorrect pronunciation\nfor the word\nshown";
const std::wstring meaningInstruction = L"Choose the\ncorrect meaning\nfor the word\nshown";

Exercise nothingAvailable()
{
    Exercise exercise;
    exercise.setType(ExerciseType::None);
    return exercise;
}

int scored(int progress, bool right)
{
    return right ? std::min(progress + rightStep, 100) : std::max(progress - wrongStep, 0);
}
} // namespace

Exercise WordManager::newWordExercise(std::uint64_t key) const
{
    const Word& word = words.at(key);
    Exercise exercise;
    exercise.setType(ExerciseType::NewWordInfo);
    exercise.setInstruction(newWordInstruction);
    exercise.setHash(key);
    exercise.setMeaning(word.getMeaning());
    exercise.setReading(word.getReading());
    exercise.setText(word.getWord());
    return exercise;
}

Exercise WordManager::nextExercise(int grade, bool review)
{
    std::uint64_t key = 0;
    if (review)
    {
        const auto& mastered = masteredWords[grade];
        if (mastered.empty())
            return nothingAvailable();
        key = mastered[randomIndex(mastered.size())];
    }
    else
    {
        const auto& learning = learningWords[grade];
        if (!newWords[grade].empty() && chance(static_cast<int>(learning.size()), true))
            return introduceWord(grade);
        if (learning.empty())
            return nothingAvailable();
        key = learning[randomIndex(learning.size())];
    }
    return buildQuestion(grade, key, review);
}

// Words follow their kanji: a word waits while one of its kanji is still new.
bool WordManager::kanjiAreKnown(const std::wstring& written) const
{
    const KanjiManager* kanjiStore = KanjiManager::getInstance();
    for (const wchar_t unit : written)
    {
        const Kanji kanji = kanjiStore->getKanji(hashString(std::wstring(1, unit)));
        if (!kanji.getCharacter().empty() && kanji.isNew())
            return false;
    }
    return true;
}

Exercise WordManager::introduceWord(int grade)
{
    auto& fresh = newWords[grade];
    for (int tries = introductionTries; tries > 0; --tries)
    {
        const std::uint64_t candidate = fresh.back();
        fresh.pop_back();
        if (kanjiAreKnown(words[candidate].getWord()))
        {
            Exercise card = newWordExercise(candidate);
            words[candidate].setReadingScore(0);
            words[candidate].setMeaningScore(0);
            learningWords[grade].push_back(candidate);
            return card;
        }
        // Held back: the next try looks at the word before it.
        fresh.insert(fresh.begin(), candidate);
    }
    return nothingAvailable();
}

Exercise WordManager::buildQuestion(int grade, std::uint64_t key, bool review)
{
    const Word& word = words[key];
    Exercise exercise;
    exercise.setHash(key);

    bool askMeaning = std::rand() % 2 == 1;
    const bool readingDone = word.getReadingScore() == 100;
    const bool meaningDone = word.getMeaningScore() == 100;
    // Outside review a finished part is not asked again; with both parts
    // finished (only a hand-edited file does that) the drawn kind stays.
    if (!review && readingDone != meaningDone)
        askMeaning = readingDone;

    exercise.setType(askMeaning ? ExerciseType::WordMeaningQuestion : ExerciseType::WordPronunciationQuestion);
    const auto textOf = [askMeaning](const Word& w) { return askMeaning ? w.getMeaning() : w.getReading(); };

    std::set<std::wstring> options{textOf(word)};
    const KeyList& source = largestList(newWords[grade], learningWords[grade], masteredWords[grade]);
    addWrongOptions(options, optionCount, source,
                    [this, &textOf](std::uint64_t other) { return std::set<std::wstring>{textOf(words.at(other))}; });

    exercise.setText(word.getWord());
    exercise.setOptions(options);
    exercise.setReadingProgress(word.getReadingScore());
    exercise.setMeaningProgress(word.getMeaningScore());
    exercise.setInstruction(askMeaning ? meaningInstruction : pronunciationInstruction);
    return exercise;
}

Exercise WordManager::reviewExercise()
{
    const int grade = reviewGrade(masteredWords);
    return grade == 0 ? nothingAvailable() : nextExercise(grade, true);
}

bool WordManager::checkAnswer(Exercise& exercise, std::wstring answer)
{
    const std::uint64_t key = exercise.getHash();
    Word& word = words[key];
    bool right = false;
    switch (exercise.getType())
    {
    case ExerciseType::WordPronunciationQuestion:
        right = answer == word.getReading();
        exercise.setReadingProgress(scored(exercise.getReadingProgress(), right));
        break;
    case ExerciseType::WordMeaningQuestion:
        right = answer == word.getMeaning();
        exercise.setMeaningProgress(scored(exercise.getMeaningProgress(), right));
        break;
    default:
        return false;
    }
    word.setReadingScore(exercise.getReadingProgress());
    word.setMeaningScore(exercise.getMeaningProgress());
    updateLists(key);
    return right;
}

bool WordManager::hasEnoughAnswers(const Exercise& exercise, int accepted) const
{
    const int type = exercise.getType();
    if (type != ExerciseType::WordPronunciationQuestion && type != ExerciseType::WordMeaningQuestion)
        return false;
    return accepted == 1;
}
