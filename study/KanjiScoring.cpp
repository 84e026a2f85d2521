#include "study/KanjiManager.hpp"

#include "widgets/Diagnostics.hpp"
#include "widgets/Helpers.hpp"

#include <algorithm>
#include <cmath>

namespace
{
const double endPointTolerance = 70.0;
const double lengthTolerance = 50.0;

int raised(int score, int step)
{
    return std::min(100, score + step);
}

int lowered(int score, int step)
{
    return std::max(0, score - step);
}

double strokeLength(const sf::VertexArray& stroke)
{
    double length = 0.0;
    for (std::size_t i = 1; i < stroke.getVertexCount(); ++i)
        length += distance(stroke[i - 1].position.x, stroke[i - 1].position.y, stroke[i].position.x,
                           stroke[i].position.y);
    return length;
}

double pointDistance(const sf::Vector2f& a, const sf::Vector2f& b)
{
    return distance(a.x, a.y, b.x, b.y);
}

// Start, end and length must all be close; a value on the limit passes.
bool strokesMatch(const sf::VertexArray& drawn, const sf::VertexArray& model)
{
    // An empty stroke has no start to compare: it never matches.
    if (drawn.getVertexCount() == 0 || model.getVertexCount() == 0)
        return false;
    if (pointDistance(drawn[0].position, model[0].position) > endPointTolerance)
        return false;
    const sf::Vector2f drawnEnd = drawn[drawn.getVertexCount() - 1].position;
    const sf::Vector2f modelEnd = model[model.getVertexCount() - 1].position;
    if (pointDistance(drawnEnd, modelEnd) > endPointTolerance)
        return false;
    return std::fabs(strokeLength(drawn) - strokeLength(model)) <= lengthTolerance;
}

// The step for one right reading when the kanji has count of them.
int readingStep(std::size_t count)
{
    return count == 0 ? 0 : static_cast<int>(10 / count);
}
} // namespace

bool KanjiManager::checkAnswer(Exercise& exercise, std::wstring answer)
{
    const auto found = kanji.find(exercise.getHash());
    if (found == kanji.end())
        return false;
    Kanji& asked = found->second;
    bool right = false;
    switch (exercise.getType())
    {
    case ExerciseType::KunyomiQuestion:
    {
        const auto readings = asked.getKunyomi();
        right = readings.count(answer) > 0;
        exercise.setKunyomiProgress(right ? raised(exercise.getKunyomiProgress(), readingStep(readings.size()))
                                          : lowered(exercise.getKunyomiProgress(), 20));
        break;
    }
    case ExerciseType::OnyomiQuestion:
    {
        const auto readings = asked.getOnyomi();
        right = readings.count(answer) > 0;
        exercise.setOnyomiProgress(right ? raised(exercise.getOnyomiProgress(), readingStep(readings.size()))
                                         : lowered(exercise.getOnyomiProgress(), 20));
        break;
    }
    case ExerciseType::KanjiMeaningQuestion:
        right = answer == asked.getMeaning();
        exercise.setMeaningProgress(right ? raised(exercise.getMeaningProgress(), 10)
                                          : lowered(exercise.getMeaningProgress(), 20));
        break;
    default:
        return false;
    }

    asked.setMeaningScore(exercise.getMeaningProgress());
    asked.setKunyomiScore(exercise.getKunyomiProgress());
    asked.setOnyomiScore(exercise.getOnyomiProgress());
    updateLists(asked);
    return right;
}

bool KanjiManager::hasEnoughAnswers(const Exercise& exercise, int accepted) const
{
    const auto found = kanji.find(exercise.getHash());
    if (found == kanji.end() || accepted < 0)
        return false;
    const auto count = static_cast<std::size_t>(accepted);
    switch (exercise.getType())
    {
    case ExerciseType::KunyomiQuestion:
        return count == found->second.getKunyomi().size();
    case ExerciseType::OnyomiQuestion:
        return count == found->second.getOnyomi().size();
    case ExerciseType::KanjiMeaningQuestion:
        return count == 1;
    default:
        return false;
    }
}

bool KanjiManager::checkStroke(const Exercise& exercise, sf::VertexArray& drawn, unsigned index, bool practice)
{
    const auto found = kanji.find(exercise.getHash());
    if (found == kanji.end())
        return false;
    Kanji& drawnKanji = found->second;
    const auto models = drawnKanji.getStrokes();
    if (index >= models.size())
    {
        if (practice)
            return false;
        Diagnostics::fatal("ERROR: Received more strokes than expected");
    }

    const sf::VertexArray& model = models[index];
    if (strokesMatch(drawn, model))
    {
        // The board shows the model in place of the learner's stroke.
        drawn.clear();
        for (std::size_t i = 0; i < model.getVertexCount(); ++i)
            drawn.append(model[i]);
        return true;
    }

    if (!practice)
    {
        drawnKanji.setDrawingScore(lowered(drawnKanji.getDrawingScore(), 5));
        updateLists(drawnKanji);
    }
    return false;
}

bool KanjiManager::checkStrokeCount(const Exercise& exercise, int strokes)
{
    const auto found = kanji.find(exercise.getHash());
    if (found == kanji.end())
        return false;
    Kanji& drawnKanji = found->second;
    if (strokes < 0 || static_cast<std::size_t>(strokes) != drawnKanji.getStrokes().size())
        return false;
    drawnKanji.setDrawingScore(raised(drawnKanji.getDrawingScore(), 10));
    updateLists(drawnKanji);
    return true;
}

void KanjiManager::updateLists(const Kanji& changed)
{
    const int grade = changed.getGrade();
    const bool complete = changed.getMeaningScore() == 100 && changed.getKunyomiScore() == 100 &&
                          changed.getOnyomiScore() == 100 && changed.getDrawingScore() == 100;
    settleKey(complete, learningKanji[grade], masteredKanji[grade], hashString(changed.getCharacter()));
}
