#include "study/ExerciseManager.hpp"

#include "study/KanjiManager.hpp"
#include "study/WordManager.hpp"
#include "widgets/Common.hpp"
#include "widgets/ResourceIds.hpp"

#include <cstdlib>

sf::Sound correctSound = createSound(SoundId::CorrectAnswer);
sf::Sound incorrectSound = createSound(SoundId::IncorrectAnswer);

ExerciseManager* ExerciseManager::instance = nullptr;

ExerciseManager* ExerciseManager::getInstance()
{
    if (!instance)
        instance = new ExerciseManager();
    return instance;
}

void ExerciseManager::selectGrade(int grade)
{
    reviewMode = false;
    this->grade = grade;
}

void ExerciseManager::setReviewMode(bool on)
{
    reviewMode = on;
}

int ExerciseManager::countMasteredKanji(int grade) const
{
    return KanjiManager::getInstance()->countMastered(grade);
}

int ExerciseManager::countKanji(int grade) const
{
    return KanjiManager::getInstance()->countKanji(grade);
}

int ExerciseManager::countMasteredWords(int grade) const
{
    return WordManager::getInstance()->countMastered(grade);
}

int ExerciseManager::countWords(int grade) const
{
    return WordManager::getInstance()->countWords(grade);
}

Exercise ExerciseManager::nextExercise()
{
    acceptedAnswers.clear();
    acceptedStrokes = 0;
    exercise = reviewMode ? reviewExercise() : gradeExercise();
    return exercise;
}

// A run at a level ends only when neither store has anything to offer, so
// the store the draw did not pick gets asked when the first has nothing.
Exercise ExerciseManager::gradeExercise()
{
    const bool wordsFirst = std::rand() % 2 == 1;
    auto fromWords = [this] { return WordManager::getInstance()->nextExercise(grade, false); };
    auto fromKanji = [this] { return KanjiManager::getInstance()->nextExercise(grade, false); };
    Exercise result = wordsFirst ? fromWords() : fromKanji();
    if (result.getType() == ExerciseType::None)
        result = wordsFirst ? fromKanji() : fromWords();
    return result;
}

Exercise ExerciseManager::reviewExercise()
{
    bool kanjiTurn = std::rand() % 2 == 1;
    Exercise result;
    for (int request = 0; request < 3; ++request)
    {
        result = kanjiTurn ? KanjiManager::getInstance()->reviewExercise()
                           : WordManager::getInstance()->reviewExercise();
        if (result.getType() != ExerciseType::None)
            break;
        kanjiTurn = !kanjiTurn;
    }
    return result;
}

Exercise ExerciseManager::helpExercise()
{
    const std::uint64_t hash = exercise.getHash();
    switch (exercise.getType())
    {
    case ExerciseType::KunyomiQuestion:
    case ExerciseType::OnyomiQuestion:
    case ExerciseType::KanjiMeaningQuestion:
        return KanjiManager::getInstance()->newKanjiExercise(hash);
    case ExerciseType::WordPronunciationQuestion:
    case ExerciseType::WordMeaningQuestion:
        return WordManager::getInstance()->newWordExercise(hash);
    case ExerciseType::DrawKanjiFromMeaning:
        return KanjiManager::getInstance()->drawingExercise(hash, true);
    default:
    {
        // Nothing to explain: the menu is the one screen that fits.
        Exercise nothing;
        nothing.setType(ExerciseType::None);
        return nothing;
    }
    }
}

Exercise ExerciseManager::getExercise() const
{
    return exercise;
}

bool ExerciseManager::isQuestionComplete() const
{
    const int accepted = static_cast<int>(acceptedAnswers.size());
    switch (exercise.getType())
    {
    case ExerciseType::KunyomiQuestion:
    case ExerciseType::OnyomiQuestion:
    case ExerciseType::KanjiMeaningQuestion:
        return KanjiManager::getInstance()->hasEnoughAnswers(exercise, accepted);
    case ExerciseType::WordPronunciationQuestion:
    case ExerciseType::WordMeaningQuestion:
        return WordManager::getInstance()->hasEnoughAnswers(exercise, accepted);
    default:
        return false;
    }
}

bool ExerciseManager::checkKanjiAnswer(const std::wstring& answer, int* meaning, int* kunyomi, int* onyomi,
                                       int* drawing)
{
    const int type = exercise.getType();
    return judgeAnswer(
        answer,
        type == ExerciseType::KunyomiQuestion || type == ExerciseType::OnyomiQuestion ||
            type == ExerciseType::KanjiMeaningQuestion,
        [&] { return KanjiManager::getInstance()->checkAnswer(exercise, answer); },
        [&] {
            *meaning = exercise.getMeaningProgress();
            *kunyomi = exercise.getKunyomiProgress();
            *onyomi = exercise.getOnyomiProgress();
            *drawing = exercise.getDrawingProgress();
        });
}

bool ExerciseManager::checkWordAnswer(const std::wstring& answer, int* reading, int* meaning)
{
    const int type = exercise.getType();
    return judgeAnswer(
        answer, type == ExerciseType::WordPronunciationQuestion || type == ExerciseType::WordMeaningQuestion,
        [&] { return WordManager::getInstance()->checkAnswer(exercise, answer); },
        [&] {
            *reading = exercise.getReadingProgress();
            *meaning = exercise.getMeaningProgress();
        });
}

bool ExerciseManager::judgeAnswer(const std::wstring& answer, bool typeFits, const std::function<bool()>& score,
                                  const std::function<void()>& report)
{
    // An answer already accepted is reported again, neither scored nor sounded.
    if (acceptedAnswers.count(answer) > 0)
    {
        report();
        return true;
    }
    if (!typeFits)
    {
        incorrectSound.play();
        return false;
    }
    const bool right = score();
    report();
    if (!right)
    {
        // Not remembered: the same wrong answer is scored again.
        incorrectSound.play();
        return false;
    }
    acceptedAnswers.insert(answer);
    playCorrect(static_cast<int>(acceptedAnswers.size()));
    return true;
}

bool ExerciseManager::checkStroke(sf::VertexArray& stroke)
{
    const bool accepted =
        KanjiManager::getInstance()->checkStroke(exercise, stroke, static_cast<unsigned>(acceptedStrokes), false);
    if (accepted)
    {
        ++acceptedStrokes;
        playCorrect(acceptedStrokes);
    }
    else
    {
        incorrectSound.play();
    }
    return accepted;
}

bool ExerciseManager::checkStrokeAt(sf::VertexArray& stroke, unsigned index)
{
    const bool accepted = KanjiManager::getInstance()->checkStroke(exercise, stroke, index, true);
    if (accepted)
        playCorrect(static_cast<int>(index));
    else
        incorrectSound.play();
    return accepted;
}

bool ExerciseManager::checkStrokeCount(int strokes)
{
    return KanjiManager::getInstance()->checkStrokeCount(exercise, strokes);
}

void ExerciseManager::playCorrect(int count)
{
    correctSound.setPitch(static_cast<float>(1.3 + 0.1 * count));
    correctSound.play();
}

void ExerciseManager::saveProgress()
{
    KanjiManager::getInstance()->save();
    WordManager::getInstance()->save();
}

void ExerciseManager::saveAndQuit()
{
    saveProgress();
    std::exit(0);
}
