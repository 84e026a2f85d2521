#pragma once
// Plays the real main window the way a learner does, through synthetic mouse
// events: menu choices, answers (right ones, a wrong one first on request),
// strokes traced from the model strokes, and Continue. Used by the window
// benchmarks and the long scripted run.

#include "app/MainWindow.hpp"

#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/Window/Event.hpp>

#include <set>
#include <string>

class WindowDriver
{
public:
    // What leaving one screen did.
    struct Step
    {
        int from = 0;          // the screen left
        int to = 0;            // the screen now shown
        bool showedNext = false; // the last event laid out the next exercise
        double milliseconds = 0; // time spent handling that last event
    };

    explicit WindowDriver(MainWindow& window);

    // Plays the screen on show to its end; one frame follows.
    Step finishScreen(bool mistake);

    // One frame: update and draw, as the loop does; `show` puts it on screen
    // too (which waits for the next 60th of a second).
    void frame(bool show = false);

    // On the menu: starts the level shown, whatever the menu offered last.
    Step startLevel();

    // The back button of a question: the menu, after saving.
    void backToMenu();

    // The help button of a question: the lesson behind it.
    void askHelp();

    // Menu arrows: the level one up (wrapping to 1) or one down.
    void levelUp();
    void levelDown();

private:
    Step handOver(int from, const sf::Event& last, bool showsNext);
    void send(const sf::Event& event);
    void moveTo(int x, int y);
    void press(int x, int y);
    sf::Event release(int x, int y) const;
    void click(int x, int y);
    void traceStroke(const sf::VertexArray& stroke, int boardX, int boardY, bool holdRelease);

    // Each returns the last event to hand over, or false when none leads on.
    bool playMenu(sf::Event& last);
    bool playAnswers(bool mistake, sf::Event& last);
    bool playDrawing(bool mistake, sf::Event& last);
    bool playPractice(sf::Event& last);

    std::set<std::wstring> rightAnswers() const;
    static sf::VertexArray wrongStroke(const sf::VertexArray& model);

    MainWindow& window;
    sf::Event heldRelease;
    bool menuOffersReview = false;
};
