#include "study/KanjiManager.hpp"

#include "widgets/Helpers.hpp"

#include <cstdlib>

namespace
{
// Question kinds, in the order the kind cycle walks them.
enum Kind
{
    MeaningKind = 0,
    KunyomiKind = 1,
    OnyomiKind = 2,
    DrawingKind = 3
};

const std::size_t readingOptionCount = 9;
const std::size_t meaningOptionCount = 6;

int kindScore(const Kanji& kanji, int kind)
{
    switch (kind)
    {
    case MeaningKind:
        return kanji.getMeaningScore();
    case KunyomiKind:
        return kanji.getKunyomiScore();
    case OnyomiKind:
        return kanji.getOnyomiScore();
    default:
        return kanji.getDrawingScore();
    }
}

// The next unfinished part, starting at the drawn kind. A learning kanji
// always has one; should it not, the drawn kind stands.
int firstUnfinishedKind(const Kanji& kanji, int drawn)
{
    for (int step = 0; step < 4; ++step)
    {
        const int kind = (drawn + step) % 4;
        if (kindScore(kanji, kind) != 100)
            return kind;
    }
    return drawn;
}

// Review looks at what the kanji has, not at its scores.
int reviewKind(const Kanji& kanji, int drawn)
{
    int kind = drawn;
    if (kind == KunyomiKind && kanji.getKunyomi().empty())
        kind = OnyomiKind;
    if (kind == OnyomiKind && kanji.getOnyomi().empty())
        kind = DrawingKind;
    return kind;
}
} // namespace

Exercise KanjiManager::newKanjiExercise(std::uint64_t hash) const
{
    const Kanji& stored = kanji.at(hash);
    Exercise exercise;
    exercise.setType(ExerciseType::NewKanjiInfo);
    exercise.setInstruction(L"Memorize the\ninformation\nabout the\nnew kanji");
    exercise.setHash(hash);
    exercise.setMeaning(stored.getMeaning());
    exercise.setKunyomi(stored.getKunyomi());
    exercise.setOnyomi(stored.getOnyomi());
    exercise.setText(stored.getCharacter());
    return exercise;
}

Exercise KanjiManager::drawingExercise(std::uint64_t hash, bool practice)
{
    Kanji& stored = kanji.at(hash);
    Exercise exercise;
    exercise.setHash(hashString(stored.getCharacter()));
    exercise.setText(stored.getMeaning());
    exercise.setStrokes(stored.getStrokes());
    if (practice || stored.getDrawingScore() == -1)
    {
        stored.setDrawingScore(0);
        exercise.setType(ExerciseType::DrawingPractice);
        exercise.setInstruction(L"Practice how to draw the kanji");
        return exercise;
    }
    exercise.setType(ExerciseType::DrawKanjiFromMeaning);
    exercise.setMeaningProgress(stored.getMeaningScore());
    exercise.setKunyomiProgress(stored.getKunyomiScore());
    exercise.setOnyomiProgress(stored.getOnyomiScore());
    exercise.setDrawingProgress(stored.getDrawingScore());
    exercise.setInstruction(L"Draw the kanji represented by its meaning");
    return exercise;
}

Exercise KanjiManager::nextExercise(int grade, bool review)
{
    auto& fresh = newKanji[grade];
    auto& learning = learningKanji[grade];
    auto& mastered = masteredKanji[grade];

    std::uint64_t key = 0;
    if (review)
    {
        if (mastered.empty())
            return Exercise();
        key = mastered[randomIndex(mastered.size())];
    }
    else
    {
        if (!fresh.empty() && chance(static_cast<int>(learning.size()), false))
        {
            const std::uint64_t introduced = fresh.back();
            Exercise card = newKanjiExercise(introduced);
            Kanji& stored = kanji.at(introduced);
            stored.setKunyomiScore(stored.getKunyomi().empty() ? 100 : 0);
            stored.setOnyomiScore(stored.getOnyomi().empty() ? 100 : 0);
            stored.setMeaningScore(0);
            fresh.pop_back();
            learning.push_back(introduced);
            return card;
        }
        if (learning.empty())
            return Exercise();
        key = learning[randomIndex(learning.size())];
    }

    const Kanji& chosen = kanji.at(key);
    const int drawn = std::rand() % 4;
    const int kind = review ? reviewKind(chosen, drawn) : firstUnfinishedKind(chosen, drawn);
    if (kind == DrawingKind)
        return drawingExercise(hashString(chosen.getCharacter()), false);
    return buildQuestion(grade, chosen, kind);
}

Exercise KanjiManager::buildQuestion(int grade, const Kanji& asked, int kind)
{
    Exercise exercise;
    std::set<std::wstring> options;
    std::size_t wanted = meaningOptionCount;
    if (kind == KunyomiKind)
    {
        exercise.setType(ExerciseType::KunyomiQuestion);
        exercise.setInstruction(L"Choose the\ncorrect kunyomi\nreadings for\nthe kanji shown");
        options = asked.getKunyomi();
        wanted = readingOptionCount;
    }
    else if (kind == OnyomiKind)
    {
        exercise.setType(ExerciseType::OnyomiQuestion);
        exercise.setInstruction(L"Choose the\ncorrect onyomi\nreadings for\nthe kanji shown");
        options = asked.getOnyomi();
        wanted = readingOptionCount;
    }
    else
    {
        exercise.setType(ExerciseType::KanjiMeaningQuestion);
        exercise.setInstruction(L"Choose the\ncorrect meaning\nfor the\nkanji shown");
        options.insert(asked.getMeaning());
    }

    const KeyList& source = largestList(newKanji[grade], learningKanji[grade], masteredKanji[grade]);
    addWrongOptions(options, wanted, source, [this, kind](std::uint64_t key) {
        const Kanji& other = kanji.at(key);
        if (kind == KunyomiKind)
            return other.getKunyomi();
        if (kind == OnyomiKind)
            return other.getOnyomi();
        return std::set<std::wstring>{other.getMeaning()};
    });

    exercise.setHash(hashString(asked.getCharacter()));
    exercise.setText(asked.getCharacter());
    exercise.setOptions(options);
    exercise.setKunyomiProgress(asked.getKunyomiScore());
    exercise.setOnyomiProgress(asked.getOnyomiScore());
    exercise.setMeaningProgress(asked.getMeaningScore());
    exercise.setDrawingProgress(asked.getDrawingScore() == -1 ? 0 : asked.getDrawingScore());
    return exercise;
}

Exercise KanjiManager::reviewExercise()
{
    const int grade = reviewGrade(masteredKanji);
    return grade == 0 ? Exercise() : nextExercise(grade, true);
}
