// Judging answer buttons, drawn strokes and undo.

#include "app/MainWindow.hpp"

#include "study/Exercise.hpp"
#include "study/ExerciseManager.hpp"
#include "study/Kanji.hpp"
#include "study/KanjiManager.hpp"
#include "widgets/Common.hpp"
#include "widgets/Helpers.hpp"

namespace
{
// A flash of white or black first, so a repeated verdict still shows.
void showVerdict(Button& button, bool right)
{
    button.setColor(right ? sf::Color::White : sf::Color::Black);
    button.setTargetColor(right ? Palette::Correct : Palette::Incorrect);
}
} // namespace

void MainWindow::judgeKanjiAnswer(Button& button, const std::wstring& answer)
{
    int meaning = 0;
    int kunyomi = 0;
    int onyomi = 0;
    int drawing = 0;
    const bool right =
        ExerciseManager::getInstance()->checkKanjiAnswer(answer, &meaning, &kunyomi, &onyomi, &drawing);
    showVerdict(button, right);
    showKanjiScores(meaning, kunyomi, onyomi, drawing);
}

void MainWindow::onShortAnswerPressed(Button& button)
{
    // Kana readings hold no spaces, so their labels never gain a line break.
    judgeKanjiAnswer(button, button.getText());
}

void MainWindow::onLongAnswerPressed(Button& button)
{
    // Fitting may have broken a long option at a space; compare it as stored.
    const std::wstring answer = newlinesToSpaces(button.getText());
    ExerciseManager* manager = ExerciseManager::getInstance();
    if (manager->getExercise().getType() == ExerciseType::KanjiMeaningQuestion)
    {
        judgeKanjiAnswer(button, answer);
        return;
    }

    int reading = 0;
    int meaning = 0;
    const bool right = manager->checkWordAnswer(answer, &reading, &meaning);
    showVerdict(button, right);
    showWordScores(reading, meaning);
}

void MainWindow::onShortAnswerReleased(Button& button)
{
    if (ExerciseManager::getInstance()->isQuestionComplete())
        advance(button);
}

// A long answer button moves on exactly as a short one does.
void MainWindow::onLongAnswerReleased(Button& button)
{
    onShortAnswerReleased(button);
}

void MainWindow::onPracticeStrokeFinished(DrawingBoard& board)
{
    sf::VertexArray stroke = board.getLastStroke();
    board.removeLastStroke();
    const unsigned index = board.getStrokeCount();
    if (ExerciseManager::getInstance()->checkStrokeAt(stroke, index))
    {
        // The stroke now holds the clean model stroke.
        board.addStroke(stroke);
        modelBoard.showNextStroke();
    }
}

void MainWindow::onExerciseStrokeFinished(DrawingBoard& board)
{
    ExerciseManager* manager = ExerciseManager::getInstance();
    sf::VertexArray stroke = board.getLastStroke();
    board.removeLastStroke();
    if (manager->checkStroke(stroke))
    {
        board.addStroke(stroke);
    }
    else
    {
        // The rejection lowered the stored drawing score; show it at once.
        const Kanji kanji = KanjiManager::getInstance()->getKanji(manager->getExercise().getHash());
        showKanjiScores(kanji.getMeaningScore(), kanji.getKunyomiScore(), kanji.getOnyomiScore(),
                        kanji.getDrawingScore());
    }

    if (manager->checkStrokeCount(static_cast<int>(board.getStrokeCount())))
    {
        Button unused;
        advance(unused);
    }
}

void MainWindow::onUndoReleased()
{
    practiceBoard.removeLastStroke();
    modelBoard.showPreviousStroke();
}
