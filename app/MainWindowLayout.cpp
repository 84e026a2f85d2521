// The fixed look of all ten screens and the wiring of their callbacks, built
// once before the first frame.

#include "app/MainWindow.hpp"

#include "widgets/Common.hpp"
#include "widgets/ResourceHolder.hpp"
#include "widgets/ResourceIds.hpp"

namespace
{
// A button that only makes its own press feedback.
void doNothing(Button&)
{
}

void setTextures(Button& button, TextureHolder* textures, int bottom, int top)
{
    button.setBottomTexture(textures->get(bottom));
    button.setTopTexture(textures->get(top));
}

void setLook(Sign& sign, TextureHolder* textures, int texture, double x, double y)
{
    sign.setTexture(textures->get(texture));
    sign.setPosition(x, y);
    sign.setTextColor(Palette::Text);
    sign.setColor(Palette::Neutral);
}
} // namespace

void MainWindow::setUp(MenuButtons& menu)
{
    setUpMenu(menu);
    setUpAnswerButtons();
    setUpSigns();
    setUpBoards();
    setUpControls(menu.levelButton);
    wireCallbacks(menu);
    refreshLevelLabel(menu.levelButton);
    state = 0;
}

void MainWindow::setUpMenu(MenuButtons& menu)
{
    TextureHolder* textures = TextureHolder::getInstance();
    Button& levelButton = menu.levelButton;

    setTextures(levelButton, textures, TextureId::BigMenuButtonBottom, TextureId::BigMenuButtonTop);
    levelButton.setPosition(266.0, 400.0);
    levelButton.setTextColor(Palette::Text);
    levelButton.setColor(Palette::Neutral);

    setTextures(menu.levelLeftButton, textures, TextureId::MenuArrowLeftBottom, TextureId::MenuArrowLeftTop);
    menu.levelLeftButton.setPosition(191.0, 520.0);
    menu.levelLeftButton.setColor(Palette::Neutral);
    menu.levelLeftButton.setOnPress([this, &levelButton](Button&) { onLevelLeftPressed(levelButton); });

    setTextures(menu.levelRightButton, textures, TextureId::MenuArrowRightBottom, TextureId::MenuArrowRightTop);
    menu.levelRightButton.setPosition(341.0, 520.0);
    menu.levelRightButton.setColor(Palette::Neutral);
    menu.levelRightButton.setOnPress([this, &levelButton](Button&) { onLevelRightPressed(levelButton); });

    setTextures(menu.reviewModeButton, textures, TextureId::BigMenuButtonBottom, TextureId::BigMenuButtonTop);
    menu.reviewModeButton.setPosition(533.0, 400.0);
    menu.reviewModeButton.setText("Tarrow Mode", false);
    menu.reviewModeButton.setTextColor(Palette::Text);
    menu.reviewModeButton.setColor(Palette::Neutral);

    menuButtons.push_back(&menu.levelLeftButton);
    menuButtons.push_back(&menu.levelRightButton);
    menuButtons.push_back(&levelButton);
    menuButtons.push_back(&menu.reviewModeButton);
}

void MainWindow::setUpAnswerButtons()
{
    TextureHolder* textures = TextureHolder::getInstance();

    // Every answer button is a copy of one template, so they all share the
    // same pair of callbacks and differ only in place and, later, text.
    static const double shortX[9] = {115, 267, 420, 115, 267, 420, 115, 267, 420};
    static const double shortY[9] = {210, 210, 210, 360, 360, 360, 510, 510, 510};
    Button shortTemplate;
    setTextures(shortTemplate, textures, TextureId::ShortExerciseButtonBottom, TextureId::ShortExerciseButtonTop);
    shortTemplate.setTextColor(Palette::Text);
    shortTemplate.setColor(Palette::Neutral);
    shortTemplate.setOnPress([this](Button& button) { onShortAnswerPressed(button); });
    shortTemplate.setOnRelease([this](Button& button) { onShortAnswerReleased(button); });
    for (int i = 0; i < 9; ++i)
    {
        shortTemplate.setPosition(shortX[i], shortY[i]);
        shortAnswerButtons.push_back(shortTemplate);
    }

    static const double longX[6] = {150, 385, 150, 385, 150, 385};
    static const double longY[6] = {210, 210, 360, 360, 510, 510};
    Button longTemplate;
    setTextures(longTemplate, textures, TextureId::LongExerciseButtonBottom, TextureId::LongExerciseButtonTop);
    longTemplate.setTextColor(Palette::Text);
    longTemplate.setColor(Palette::Neutral);
    longTemplate.setOnPress([this](Button& button) { onLongAnswerPressed(button); });
    longTemplate.setOnRelease([this](Button& button) { onLongAnswerReleased(button); });
    for (int i = 0; i < 6; ++i)
    {
        longTemplate.setPosition(longX[i], longY[i]);
        longAnswerButtons.push_back(longTemplate);
    }
}

void MainWindow::setUpSigns()
{
    TextureHolder* textures = TextureHolder::getInstance();

    setLook(questionSign, textures, TextureId::QuestionSign, 640.0, 300.0);
    questionSign.setFont(FontHolder::getInstance()->get(FontId::ShipporiGothicB2OtfBold));
    questionSign.setCharacterSize(140);

    setLook(scoreSign, textures, TextureId::InstructionsSign, 640.0, 100.0);
    setLook(instructionSign, textures, TextureId::InstructionsSign, 640.0, 500.0);
    setLook(meaningSign, textures, TextureId::MeaningSign, 280.0, 75.0);
    setLook(wordMeaningSign, textures, TextureId::WordTutorialSign, 280.0, 200.0);

    setLook(kunyomiLabelSign, textures, TextureId::KunOnSign, 155.0, 185.0);
    kunyomiLabelSign.setText(L"Kunyomi\nreadings:", false);
    setLook(onyomiLabelSign, textures, TextureId::KunOnSign, 405.0, 185.0);
    onyomiLabelSign.setText(L"Onyomi\nreadings:", false);

    static const double kunX[6] = {95, 215, 95, 215, 95, 215};
    static const double onX[6] = {345, 465, 345, 465, 345, 465};
    static const double readingY[6] = {295, 295, 405, 405, 515, 515};
    Sign readingTemplate;
    readingTemplate.setTexture(textures->get(TextureId::ReadingSign));
    readingTemplate.setTextColor(Palette::Text);
    readingTemplate.setColor(Palette::Neutral);
    for (int i = 0; i < 6; ++i)
    {
        readingTemplate.setPosition(kunX[i], readingY[i]);
        kunyomiSigns.push_back(readingTemplate);
    }
    for (int i = 0; i < 6; ++i)
    {
        readingTemplate.setPosition(onX[i], readingY[i]);
        onyomiSigns.push_back(readingTemplate);
    }

    setLook(wordReadingSign, textures, TextureId::WordTutorialSign, 280.0, 400.0);
}

void MainWindow::setUpBoards()
{
    const sf::Texture& texture = TextureHolder::getInstance()->get(TextureId::DrawingBoard);

    modelBoard.setTexture(texture);
    modelBoard.setColor(Palette::ShowingBoardTint);
    modelBoard.setStrokeColor(Palette::ShowingStroke);
    modelBoard.setPosition(266.0, 180.0);

    practiceBoard.setTexture(texture);
    practiceBoard.setColor(Palette::DrawingBoardTint);
    practiceBoard.setStrokeColor(Palette::DrawingStroke);
    practiceBoard.setPosition(266.0, 420.0);

    exerciseBoard.setTexture(texture);
    exerciseBoard.setColor(Palette::DrawingBoardTint);
    exerciseBoard.setStrokeColor(Palette::DrawingStroke);
    exerciseBoard.setPosition(266.0, 300.0);
}

void MainWindow::setUpControls(Button& levelButton)
{
    TextureHolder* textures = TextureHolder::getInstance();

    undoButton.setTopTexture(textures->get(TextureId::UndoArrowTop));
    undoButton.setBottomTexture(textures->get(TextureId::UndoArrowBottom));
    undoButton.setColor(UndoButtonColor);
    undoButton.setPosition(60.0, 300.0);

    setTextures(continueButton, textures, TextureId::ShortExerciseButtonBottom, TextureId::ShortExerciseButtonTop);
    continueButton.setPosition(640.0, 100.0);
    continueButton.setText(L"Continue", false);
    continueButton.setColor(Palette::ContinueButton);
    continueButton.setOnPress(doNothing);

    setTextures(backButton, textures, TextureId::MenuArrowLeftBottom, TextureId::MenuArrowLeftTop);
    backButton.setPosition(60.0, 70.0);
    backButton.setColor(Palette::Neutral);
    backButton.setOnPress(doNothing);
    backButton.setOnRelease([this, &levelButton](Button&) { onBackReleased(levelButton); });

    setTextures(saveButton, textures, TextureId::SaveButtonBottom, TextureId::SaveButtonTop);
    saveButton.setPosition(160.0, 70.0);
    saveButton.setColor(Palette::SaveButtonSaved);
    saveButton.setOnPress(doNothing);
    saveButton.setOnRelease([this](Button& button) { onSaveReleased(button); });

    setTextures(helpButton, textures, TextureId::HelpButtonBottom, TextureId::HelpButtonTop);
    helpButton.setPosition(260.0, 70.0);
    helpButton.setColor(Palette::HelpButton);
    helpButton.setOnPress(doNothing);
}

void MainWindow::wireCallbacks(MenuButtons& menu)
{
    Button& levelButton = menu.levelButton;

    advance = [this, &levelButton](Button&) { showNextExercise(levelButton); };

    levelButton.setOnPress([this](Button&) { onLevelPressed(); });
    menu.reviewModeButton.setOnPress([this](Button&) { onReviewModePressed(); });

    levelButton.setOnRelease(advance);
    menu.reviewModeButton.setOnRelease(advance);
    continueButton.setOnRelease(advance);

    helpButton.setOnRelease([this, &levelButton](Button&) { onHelpReleased(levelButton); });

    exerciseBoard.setOnStrokeFinished([this](DrawingBoard& board) { onExerciseStrokeFinished(board); });
    practiceBoard.setOnStrokeFinished([this](DrawingBoard& board) { onPracticeStrokeFinished(board); });

    undoButton.setOnRelease([this](Button&) { onUndoReleased(); });
}
