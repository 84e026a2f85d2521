// The main menu's level label and arrows, the start of a run, and going back.

#include "app/MainWindow.hpp"

#include "study/ExerciseManager.hpp"
#include "widgets/Common.hpp"

#include <string>

void MainWindow::refreshLevelLabel(Button& label)
{
    ExerciseManager* manager = ExerciseManager::getInstance();
    const int masteredKanji = manager->countMasteredKanji(level);
    const int allKanji = manager->countKanji(level);
    const int masteredWords = manager->countMasteredWords(level);
    const int allWords = manager->countWords(level);

    const std::string text = "JLPT N" + std::to_string(level) + "\nKanji: " + std::to_string(masteredKanji) + "/" +
                             std::to_string(allKanji) + "\nWords: " + std::to_string(masteredWords) + "/" +
                             std::to_string(allWords);
    label.setText(sf::String(text), false);

    const bool complete = masteredWords == allWords && masteredKanji == allKanji;
    label.setColor(complete ? Palette::Correct : Palette::Neutral);
}

void MainWindow::onLevelLeftPressed(Button& levelButton)
{
    level = level + 1;
    if (level == 6)
        level = 1;
    refreshLevelLabel(levelButton);
}

void MainWindow::onLevelRightPressed(Button& levelButton)
{
    level = level - 1;
    if (level == 0)
        level = 5;
    refreshLevelLabel(levelButton);
}

void MainWindow::onLevelPressed()
{
    ExerciseManager::getInstance()->selectGrade(level);
    onRunStarting();
}

void MainWindow::onReviewModePressed()
{
    ExerciseManager::getInstance()->setReviewMode(true);
    onRunStarting();
}

// The first exercise screen of a run shows its top-left buttons at rest.
void MainWindow::onRunStarting()
{
    backButton.resetRaise();
    saveButton.resetRaise();
    helpButton.resetRaise();
}

void MainWindow::onBackReleased(Button& levelButton)
{
    ExerciseManager::getInstance()->saveProgress();
    state = 0;
    for (Button* button : menuButtons)
        button->resetRaise();
    refreshLevelLabel(levelButton);
}

// The released button is the save button itself.
void MainWindow::onSaveReleased(Button& button)
{
    ExerciseManager::getInstance()->saveProgress();
    button.setColor(Palette::SaveButtonSaved);
}
