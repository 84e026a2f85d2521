#pragma once
// The application window: owns every widget of the ten screens, lays them
// out once, and runs the frame loop that feeds, animates and draws the
// screen selected by the current exercise's type.

#include "widgets/Button.hpp"
#include "widgets/DrawingBoard.hpp"
#include "widgets/ShowingBoard.hpp"
#include "widgets/Sign.hpp"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Window/Event.hpp>

#include <functional>
#include <list>
#include <set>
#include <string>
#include <vector>

class Exercise;

// The undo arrow's colour, defined beside the main window's constructor.
extern const sf::Color UndoButtonColor;

class MainWindow
{
public:
    // The four buttons of the main menu. start() keeps them on its own stack
    // for as long as the loop runs; the window only points at them.
    struct MenuButtons
    {
        Button levelLeftButton;
        Button levelRightButton;
        Button levelButton;
        Button reviewModeButton;
    };

    MainWindow();

    // Lays out every screen and runs the loop until the window is closed.
    void start();

    // The pieces start() is made of, one frame step at a time.
    void setUp(MenuButtons& menu);
    void handleEvent(const sf::Event& event);
    void update();
    void render();
    // Puts the frame drawn by render() on screen, at most 60 times a second.
    void display();
    // The current screen, drawn onto any target (render() uses the window).
    void drawScreen(sf::RenderTarget& target) const;
    // The signs the current screen draws, in drawing order, before anything else.
    std::vector<const Sign*> drawnSigns() const;

    // Read-only views of the screen state and widgets.
    int getState() const { return state; }
    int getLevel() const { return level; }
    const sf::RenderWindow& getWindow() const { return window; }
    const std::list<Button>& getShortAnswerButtons() const { return shortAnswerButtons; }
    const std::list<Button>& getLongAnswerButtons() const { return longAnswerButtons; }
    const Sign& getScoreSign() const { return scoreSign; }
    const Sign& getQuestionSign() const { return questionSign; }
    const Sign& getMeaningSign() const { return meaningSign; }
    const Sign& getWordMeaningSign() const { return wordMeaningSign; }
    const Sign& getWordReadingSign() const { return wordReadingSign; }
    const Button& getContinueButton() const { return continueButton; }
    const Button& getHelpButton() const { return helpButton; }
    const Button& getBackButton() const { return backButton; }
    const std::vector<Sign>& getKunyomiSigns() const { return kunyomiSigns; }
    const std::vector<Sign>& getOnyomiSigns() const { return onyomiSigns; }
    const ShowingBoard& getModelBoard() const { return modelBoard; }
    const DrawingBoard& getPracticeBoard() const { return practiceBoard; }
    const DrawingBoard& getExerciseBoard() const { return exerciseBoard; }

private:
    void run();

    // Layout and wiring, in set-up order.
    void setUpMenu(MenuButtons& menu);
    void setUpAnswerButtons();
    void setUpSigns();
    void setUpBoards();
    void setUpControls(Button& levelButton);
    void wireCallbacks(MenuButtons& menu);

    // Menu, level and save.
    void refreshLevelLabel(Button& label);
    void onLevelLeftPressed(Button& levelButton);
    void onLevelRightPressed(Button& levelButton);
    void onLevelPressed();
    void onReviewModePressed();
    void onRunStarting();
    void onBackReleased(Button& levelButton);
    void onSaveReleased(Button& button);

    // Laying out the next exercise or the help card.
    void showNextExercise(Button& levelButton);
    void onHelpReleased(Button& levelButton);
    void showWordCard(const std::wstring& meaning, const std::wstring& reading);
    void showKanjiCard(const std::wstring& meaning, const std::set<std::wstring>& kunyomi,
                       const std::set<std::wstring>& onyomi);
    void showPractice(const std::vector<sf::VertexArray>& strokes);
    void layOutOptions(std::list<Button>& buttons, const std::set<std::wstring>& options, int step);
    void showKanjiScores(int meaning, int kunyomi, int onyomi, int drawing);
    void showKanjiScores(const Exercise& e);
    void showWordScores(int reading, int meaning);
    int enterScreen(const Exercise& e);

    // Answers, strokes and undo.
    void onShortAnswerPressed(Button& button);
    void onLongAnswerPressed(Button& button);
    void onShortAnswerReleased(Button& button);
    void onLongAnswerReleased(Button& button);
    void judgeKanjiAnswer(Button& button, const std::wstring& answer);
    void onPracticeStrokeFinished(DrawingBoard& board);
    void onExerciseStrokeFinished(DrawingBoard& board);
    void onUndoReleased();

    sf::RenderWindow window;
    sf::Sprite titleSprite;
    sf::Sprite backgroundSprite;
    int state;
    int level;
    std::function<void(Button&)> advance;
    std::list<Button*> menuButtons;
    std::list<Button> shortAnswerButtons;
    std::list<Button> longAnswerButtons;
    Sign scoreSign;
    Sign questionSign;
    Sign instructionSign;
    Sign meaningSign;
    Sign wordMeaningSign;
    Sign wordReadingSign;
    std::vector<Sign> kunyomiSigns;
    std::vector<Sign> onyomiSigns;
    Sign kunyomiLabelSign;
    Sign onyomiLabelSign;
    ShowingBoard modelBoard;
    DrawingBoard practiceBoard;
    DrawingBoard exerciseBoard;
    Button undoButton;
    Button continueButton;
    Button backButton;
    Button saveButton;
    Button helpButton;
};
