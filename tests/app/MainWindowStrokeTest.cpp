#include "MainWindowFixture.hpp"

#include "widgets/StrokeProbe.hpp"

namespace
{
constexpr int ModelX = 266, ModelY = 180;
constexpr int PracticeX = 266, PracticeY = 420;
constexpr int ExerciseX = 266, ExerciseY = 300;
} // namespace

// 下 (three strokes) learning with only its drawing below 100: every
// exercise asks to draw it from its meaning; help turns it into practice.
TEST_F(MainWindowFixture, DrawingCompletesItselfAndPracticeFollowsTheModel)
{
    open({{L"下", {100, 100, 100, 60}}});
    click(266, 400);
    ASSERT_EQ(window->getState(), ExerciseType::DrawKanjiFromMeaning);
    const std::vector<sf::VertexArray> model = current().getStrokes();
    ASSERT_EQ(model.size(), 3u);
    const DrawingBoard& board = window->getExerciseBoard();
    const int helpAtRest = face(window->getHelpButton()).top;

    drawStroke(strokeFarFrom(model[0][0].position), ExerciseX, ExerciseY);
    EXPECT_EQ(board.getStrokeCount(), 0u) << "a wrong stroke disappears";
    EXPECT_EQ(scoreSign(), kanjiScores(100, 100, 100, 55)) << "and costs 5, shown at once";
    for (std::size_t i = 0; i < 2; ++i)
    {
        drawStroke(model[i], ExerciseX, ExerciseY);
        ASSERT_EQ(board.getStrokeCount(), i + 1);
        EXPECT_EQ(probe::points(board.getLastStroke()), probe::points(model[i])) << "the clean model stroke replaces the drawn one";
    }
    drawStroke(model[2], ExerciseX, ExerciseY);
    EXPECT_EQ(KanjiManager::getInstance()->getKanji(19979).getDrawingScore(), 65) << "a complete drawing earns 10";
    EXPECT_EQ(window->getState(), ExerciseType::DrawKanjiFromMeaning);
    EXPECT_EQ(scoreSign(), kanjiScores(100, 100, 100, 65)) << "the last stroke moved on to the next drawing";
    EXPECT_EQ(board.getStrokeCount(), 0u) << "which starts on a clear board";

    click(260, 70);
    ASSERT_EQ(window->getState(), ExerciseType::DrawingPractice);
    EXPECT_EQ(window->getQuestionSign().getText(), L"Below");
    const DrawingBoard& practice = window->getPracticeBoard();
    auto markerAt = [&](std::size_t stroke) {
        const sf::Vector2f start = model[stroke][0].position;
        return redPixelsAround(capture(), ModelX + static_cast<int>(start.x), ModelY + static_cast<int>(start.y));
    };
    EXPECT_GT(markerAt(0), 100);
    drawStroke(model[0], PracticeX, PracticeY);
    ASSERT_EQ(practice.getStrokeCount(), 1u);
    EXPECT_EQ(probe::points(practice.getLastStroke()), probe::points(model[0]));
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

    for (const sf::VertexArray& stroke : model)
        drawStroke(stroke, PracticeX, PracticeY);
    drawStroke(model[2], PracticeX, PracticeY);
    EXPECT_EQ(practice.getStrokeCount(), 3u) << "a stroke past the last is rejected";
    EXPECT_EQ(window->getState(), ExerciseType::DrawingPractice) << "practice never moves on by itself";

    click(640, 100);
    ASSERT_EQ(window->getState(), ExerciseType::DrawKanjiFromMeaning);
    EXPECT_EQ(face(window->getHelpButton()).top, helpAtRest) << "a drawing after practice shows help at rest";
    click(260, 70);
    EXPECT_EQ(practice.getStrokeCount(), 0u) << "each practice starts on a clear board";
    EXPECT_GT(markerAt(0), 100) << "with the model at its first stroke";
}
