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

std::size_t pick(std::size_t size)
{
    return static_cast<unsigned>(std::rand()) % size;
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
        key = mastered[pick(mastered.size())];
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
        key = learning[pick(learning.size())];
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
    // The largest list gives the wrong answers; ties go to new, then learning.
    const auto& fresh = newKanji[grade];
    const auto& learning = learningKanji[grade];
    const auto& mastered = masteredKanji[grade];
    const auto* source = &mastered;
    if (fresh.size() >= learning.size() && fresh.size() >= mastered.size())
        source = &fresh;
    else if (learning.size() >= mastered.size())
        source = &learning;

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

    // Drawn for every question, also when no wrong answer is needed. One
    // pass over the source list at most: a small list may not hold enough
    // distinct texts.
    std::size_t i = pick(source->size());
    for (std::size_t visited = 0; options.size() < wanted && visited < source->size(); ++visited)
    {
        const Kanji& other = kanji.at((*source)[i]);
        if (kind == MeaningKind)
            options.insert(other.getMeaning());
        else
            for (const auto& reading : kind == KunyomiKind ? other.getKunyomi() : other.getOnyomi())
                if (options.size() < wanted)
                    options.insert(reading);
        i = (i + 1) % source->size();
    }

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
    const int first = std::rand() % 5 + 1;
    for (int step = 0; step < 5; ++step)
    {
        const int grade = (first - 1 + step) % 5 + 1;
        if (!masteredKanji[grade].empty())
            return nextExercise(grade, true);
    }
    return Exercise();
}
