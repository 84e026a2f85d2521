#include "MainWindowFixture.hpp"

#include "widgets/Helpers.hpp"

#include <algorithm>

namespace
{
constexpr int ModelX = 266, ModelY = 180;
constexpr int PracticeX = 266, PracticeY = 420;
constexpr int ExerciseX = 266, ExerciseY = 300;

// A two-point stroke in the board corner farthest from the given point.
sf::VertexArray strokeFarFrom(sf::Vector2f point)
{
    const float x = point.x > 0 ? -100.f : 100.f;
    const float y = point.y > 0 ? -100.f : 100.f;
    sf::VertexArray stroke(sf::LineStrip);
    stroke.append(sf::Vertex({x, y}));
    stroke.append(sf::Vertex({x, y + 4.f}));
    return stroke;
}

bool samePoints(const sf::VertexArray& a, const sf::VertexArray& b)
{
    if (a.getVertexCount() != b.getVertexCount())
        return false;
    for (std::size_t i = 0; i < a.getVertexCount(); ++i)
        if (a[i].position != b[i].position)
            return false;
    return true;
}
} // namespace

TEST_F(MainWindowFixture, PracticeStrokesAreAcceptedAndUndone)
{
    ASSERT_TRUE(reach([](int s) { return s == ExerciseType::DrawingPractice && current().getStrokes().size() >= 2; }));
    const std::vector<sf::VertexArray> model = current().getStrokes();
    const DrawingBoard& practice = window->getPracticeBoard();
    auto markerAt = [&](std::size_t stroke) {
        const sf::Vector2f start = model[stroke][0].position;
        return redPixelsAround(capture(), ModelX + static_cast<int>(start.x), ModelY + static_cast<int>(start.y));
    };
    EXPECT_GT(markerAt(0), 100);

    drawStroke(model[0], PracticeX, PracticeY);
    ASSERT_EQ(practice.getStrokeCount(), 1u);
    EXPECT_TRUE(samePoints(practice.getLastStroke(), model[0])) << "the clean model stroke replaces the drawn one";
    EXPECT_GT(markerAt(1), 100) << "the model board marks the next stroke";

    drawStroke(strokeFarFrom(model[1][0].position), PracticeX, PracticeY);
    EXPECT_EQ(practice.getStrokeCount(), 1u) << "a stroke that matches nothing disappears";
    EXPECT_GT(markerAt(1), 100);

    click(60, 300);
    EXPECT_EQ(practice.getStrokeCount(), 0u);
    EXPECT_GT(markerAt(0), 100) << "undo steps the model board back";
    click(60, 300);
    EXPECT_EQ(practice.getStrokeCount(), 0u);
    EXPECT_GT(markerAt(0), 100);
    EXPECT_EQ(window->getState(), ExerciseType::DrawingPractice) << "practice never moves on by itself";
}

TEST_F(MainWindowFixture, DrawingQuestionCompletesItself)
{
    ASSERT_TRUE(reachState(ExerciseType::DrawKanjiFromMeaning));
    const std::vector<sf::VertexArray> model = current().getStrokes();
    const std::uint64_t hash = current().getHash();
    const DrawingBoard& board = window->getExerciseBoard();

    // A wrong stroke costs drawing score, shown at once.
    const int before = currentKanji().getDrawingScore();
    drawStroke(strokeFarFrom(model[0][0].position), ExerciseX, ExerciseY);
    EXPECT_EQ(board.getStrokeCount(), 0u);
    const int lowered = std::max(0, before - 5);
    EXPECT_EQ(currentKanji().getDrawingScore(), lowered);
    const std::wstring scores = newlinesToSpaces(window->getScoreSign().getText().toWideString());
    EXPECT_NE(scores.find(L"Drawing: " + std::to_wstring(lowered) + L"%"), std::wstring::npos);

    for (std::size_t i = 0; i + 1 < model.size(); ++i)
    {
        drawStroke(model[i], ExerciseX, ExerciseY);
        EXPECT_EQ(board.getStrokeCount(), i + 1);
        EXPECT_EQ(window->getState(), ExerciseType::DrawKanjiFromMeaning);
    }
    drawStroke(model.back(), ExerciseX, ExerciseY);
    EXPECT_EQ(KanjiManager::getInstance()->getKanji(hash).getDrawingScore(), std::min(100, lowered + 10));
    EXPECT_FALSE(window->getState() == ExerciseType::DrawKanjiFromMeaning && board.getStrokeCount() > 0)
        << "the last stroke moved on to the next exercise";
}
