// Laying the next exercise, or the lesson behind the current one, onto its
// screen.

#include "app/MainWindow.hpp"

#include "study/Exercise.hpp"
#include "study/ExerciseManager.hpp"
#include "widgets/Common.hpp"

#include <cstdlib>
#include <string>

namespace
{
// Writes a set onto a row of signs; signs past the last entry go blank, and
// entries past the last sign are not shown.
void fillSigns(std::vector<Sign>& signs, const std::set<std::wstring>& texts)
{
    auto text = texts.begin();
    for (Sign& sign : signs)
    {
        if (text != texts.end())
            sign.setText(*text++, false);
        else
            sign.setText(L"", false);
    }
}

void resetAnswerButtons(std::list<Button>& buttons)
{
    for (Button& button : buttons)
    {
        button.setColor(Palette::Neutral);
        button.resetRaise();
    }
}

bool isReadingQuestion(int type)
{
    return type == ExerciseType::KunyomiQuestion || type == ExerciseType::OnyomiQuestion;
}

bool isLongQuestion(int type)
{
    return type == ExerciseType::KanjiMeaningQuestion || type == ExerciseType::WordPronunciationQuestion ||
           type == ExerciseType::WordMeaningQuestion;
}
} // namespace

void MainWindow::showKanjiScores(int meaning, int kunyomi, int onyomi, int drawing)
{
    const std::string text = "Meaning: " + std::to_string(meaning) + "%\n\nKunyomi: " + std::to_string(kunyomi) +
                             "%\n\nOnyomi: " + std::to_string(onyomi) + "%\n\nDrawing: " +
                             std::to_string(drawing) + "%";
    scoreSign.setText(sf::String(text), false);
}

void MainWindow::showKanjiScores(const Exercise& e)
{
    showKanjiScores(e.getMeaningProgress(), e.getKunyomiProgress(), e.getOnyomiProgress(), e.getDrawingProgress());
}

// Every exercise or lesson marks progress unsaved and writes its main text
// and instruction, whatever its type; returns the screen it replaces.
int MainWindow::enterScreen(const Exercise& e)
{
    saveButton.setColor(Palette::SaveButtonUnsaved);
    const int previous = state;
    state = e.getType();
    questionSign.setText(e.getText(), false);
    instructionSign.setText(e.getInstruction(), false);
    return previous;
}

void MainWindow::showWordScores(int reading, int meaning)
{
    const std::string text =
        "Pronunciation: " + std::to_string(reading) + "%\n\nMeaning: " + std::to_string(meaning) + "%";
    scoreSign.setText(sf::String(text), false);
}

void MainWindow::layOutOptions(std::list<Button>& buttons, const std::set<std::wstring>& options, int step)
{
    if (options.empty())
    {
        for (Button& button : buttons)
        {
            button.setText(L"", false);
            button.setColor(Palette::Neutral);
        }
        return;
    }

    // Turn the sorted options by the step, wrapping, so a short set never
    // runs past its end.
    auto option = options.begin();
    for (int i = 0; i < step % static_cast<int>(options.size()); ++i)
        ++option;
    for (Button& button : buttons)
    {
        button.setText(*option, false);
        button.setColor(Palette::Neutral);
        if (++option == options.end())
            option = options.begin();
    }
}

void MainWindow::showWordCard(const std::wstring& meaning, const std::wstring& reading)
{
    wordMeaningSign.setText(meaning, false);
    wordReadingSign.setText(reading, false);
}

void MainWindow::showKanjiCard(const std::wstring& meaning, const std::set<std::wstring>& kunyomi,
                               const std::set<std::wstring>& onyomi)
{
    meaningSign.setText(L"Meaning: " + meaning, false);
    fillSigns(kunyomiSigns, kunyomi);
    fillSigns(onyomiSigns, onyomi);
}

void MainWindow::showPractice(const std::vector<sf::VertexArray>& strokes)
{
    continueButton.resetRaise();
    modelBoard.setStrokes(strokes);
    practiceBoard.clear();
}

void MainWindow::showNextExercise(Button& levelButton)
{
    const Exercise e = ExerciseManager::getInstance()->nextExercise();
    const int previous = enterScreen(e);

    switch (state)
    {
    case ExerciseType::None:
        refreshLevelLabel(levelButton);
        break;
    case ExerciseType::KunyomiQuestion:
    case ExerciseType::OnyomiQuestion:
        if (!isReadingQuestion(previous))
        {
            resetAnswerButtons(shortAnswerButtons);
            helpButton.resetRaise();
        }
        showKanjiScores(e);
        layOutOptions(shortAnswerButtons, e.getOptions(), std::rand() % 9);
        break;
    case ExerciseType::KanjiMeaningQuestion:
    case ExerciseType::WordPronunciationQuestion:
    case ExerciseType::WordMeaningQuestion:
        if (!isLongQuestion(previous))
        {
            resetAnswerButtons(longAnswerButtons);
            helpButton.resetRaise();
        }
        if (state == ExerciseType::KanjiMeaningQuestion)
            showKanjiScores(e);
        else
            showWordScores(e.getReadingProgress(), e.getMeaningProgress());
        layOutOptions(longAnswerButtons, e.getOptions(), std::rand() % 6);
        break;
    case ExerciseType::DrawKanjiFromMeaning:
        if (previous != ExerciseType::DrawKanjiFromMeaning)
            helpButton.resetRaise();
        showKanjiScores(e);
        exerciseBoard.clear();
        break;
    case ExerciseType::NewKanjiInfo:
        continueButton.resetRaise();
        showKanjiCard(e.getMeaning(), e.getKunyomi(), e.getOnyomi());
        break;
    case ExerciseType::NewWordInfo:
        continueButton.resetRaise();
        showWordCard(e.getMeaning(), e.getReading());
        break;
    case ExerciseType::DrawingPractice:
        showPractice(e.getStrokes());
        break;
    default:
        break;
    }
}

void MainWindow::onHelpReleased(Button& levelButton)
{
    const Exercise e = ExerciseManager::getInstance()->helpExercise();
    const int previous = enterScreen(e);

    switch (state)
    {
    case ExerciseType::NewKanjiInfo:
        if (previous != ExerciseType::NewKanjiInfo)
            continueButton.resetRaise();
        showKanjiCard(e.getMeaning(), e.getKunyomi(), e.getOnyomi());
        break;
    case ExerciseType::NewWordInfo:
        if (previous != ExerciseType::NewWordInfo)
            continueButton.resetRaise();
        showWordCard(e.getMeaning(), e.getReading());
        break;
    case ExerciseType::DrawingPractice:
        showPractice(e.getStrokes());
        break;
    case ExerciseType::None:
        refreshLevelLabel(levelButton);
        break;
    default:
        break;
    }
}
