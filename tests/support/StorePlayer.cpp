#include "support/StorePlayer.hpp"

#include "study/Exercise.hpp"
#include "study/KanjiManager.hpp"
#include "study/ProgressFile.hpp"
#include "study/WordManager.hpp"

#include <cstdlib>
#include <set>
#include <string>

namespace
{
std::wstring pick(const std::set<std::wstring>& answers, bool right)
{
    return right && !answers.empty() ? *answers.begin() : L"?";
}
} // namespace

StorePlayer::StorePlayer(int grade) : grade(grade)
{
}

bool StorePlayer::step() const
{
    KanjiManager* kanji = KanjiManager::getInstance();
    WordManager* words = WordManager::getInstance();
    const bool right = std::rand() % 3 != 0;
    Exercise exercise = std::rand() % 2 ? kanji->nextExercise(grade, false) : words->nextExercise(grade, false);
    const auto asked = kanji->getKanji(exercise.getHash());
    switch (exercise.getType())
    {
    case ExerciseType::KunyomiQuestion:
        kanji->checkAnswer(exercise, pick(asked.getKunyomi(), right));
        break;
    case ExerciseType::OnyomiQuestion:
        kanji->checkAnswer(exercise, pick(asked.getOnyomi(), right));
        break;
    case ExerciseType::KanjiMeaningQuestion:
        kanji->checkAnswer(exercise, right ? asked.getMeaning() : L"?");
        break;
    case ExerciseType::DrawKanjiFromMeaning:
        kanji->checkStrokeCount(exercise, right ? static_cast<int>(asked.getStrokes().size()) : 0);
        break;
    case ExerciseType::WordPronunciationQuestion:
        words->checkAnswer(exercise, right ? words->getWord(exercise.getHash()).getReading() : L"?");
        break;
    case ExerciseType::WordMeaningQuestion:
        words->checkAnswer(exercise, right ? words->getWord(exercise.getHash()).getMeaning() : L"?");
        break;
    case ExerciseType::None:
        return false;
    default:
        // A card: taking it from the store already started the item.
        break;
    }
    return true;
}

void StorePlayer::play(int steps) const
{
    for (int i = 0; i < steps; ++i)
        step();
}

std::vector<std::string> StorePlayer::progressPaths()
{
    std::vector<std::string> paths;
    for (int grade = 1; grade <= 5; ++grade)
    {
        paths.push_back(ProgressFile::kanjiPath(grade));
        paths.push_back(ProgressFile::wordPath(grade));
    }
    return paths;
}
