#include "bench/WindowDriver.hpp"

#include "study/Exercise.hpp"
#include "study/ExerciseManager.hpp"
#include "study/Kanji.hpp"
#include "study/KanjiManager.hpp"
#include "study/WordManager.hpp"
#include "widgets/Helpers.hpp"

#include <array>
#include <chrono>
#include <vector>

namespace
{
// Widget centres as the window lays them out; button faces float 10 px higher.
const std::array<int, 9> shortX = {115, 267, 420, 115, 267, 420, 115, 267, 420};
const std::array<int, 9> shortY = {210, 210, 210, 360, 360, 360, 510, 510, 510};
const std::array<int, 6> longX = {150, 385, 150, 385, 150, 385};
const std::array<int, 6> longY = {210, 210, 360, 360, 510, 510};
const sf::Vector2i levelButton(266, 400);
const sf::Vector2i reviewButton(533, 400);
const sf::Vector2i levelUpArrow(191, 520);
const sf::Vector2i levelDownArrow(341, 520);
const sf::Vector2i continueButton(640, 100);
const sf::Vector2i backButton(60, 70);
const sf::Vector2i helpButton(260, 70);
const sf::Vector2i exerciseBoard(266, 300);
const sf::Vector2i practiceBoard(266, 420);
const int faceLift = 10;

sf::Event mouseButton(sf::Event::EventType type, int x, int y)
{
    sf::Event event;
    event.type = type;
    event.mouseButton = {sf::Mouse::Left, x, y};
    return event;
}

Exercise current()
{
    return ExerciseManager::getInstance()->getExercise();
}
} // namespace

WindowDriver::WindowDriver(MainWindow& window)
    : window(window)
{
}

void WindowDriver::frame(bool show)
{
    window.update();
    window.render();
    if (show)
        window.display();
}

void WindowDriver::send(const sf::Event& event)
{
    window.handleEvent(event);
}

void WindowDriver::moveTo(int x, int y)
{
    sf::Event event;
    event.type = sf::Event::MouseMoved;
    event.mouseMove = {x, y};
    send(event);
}

void WindowDriver::press(int x, int y)
{
    moveTo(x, y - faceLift);
    send(mouseButton(sf::Event::MouseButtonPressed, x, y - faceLift));
}

sf::Event WindowDriver::release(int x, int y) const
{
    return mouseButton(sf::Event::MouseButtonReleased, x, y - faceLift);
}

void WindowDriver::click(int x, int y)
{
    press(x, y);
    send(release(x, y));
    frame();
}

void WindowDriver::backToMenu()
{
    click(backButton.x, backButton.y);
}

void WindowDriver::askHelp()
{
    click(helpButton.x, helpButton.y);
}

void WindowDriver::levelUp()
{
    click(levelUpArrow.x, levelUpArrow.y);
}

void WindowDriver::levelDown()
{
    click(levelDownArrow.x, levelDownArrow.y);
}

WindowDriver::Step WindowDriver::finishScreen(bool mistake)
{
    const int from = window.getState();
    bool showsNext = true;
    sf::Event last;
    switch (from)
    {
    case ExerciseType::None:
        showsNext = playMenu(last);
        break;
    case ExerciseType::KunyomiQuestion:
    case ExerciseType::OnyomiQuestion:
    case ExerciseType::KanjiMeaningQuestion:
    case ExerciseType::WordPronunciationQuestion:
    case ExerciseType::WordMeaningQuestion:
        showsNext = playAnswers(mistake, last);
        break;
    case ExerciseType::DrawKanjiFromMeaning:
        showsNext = playDrawing(mistake, last);
        break;
    case ExerciseType::DrawingPractice:
        showsNext = playPractice(last);
        break;
    default:
        press(continueButton.x, continueButton.y);
        last = release(continueButton.x, continueButton.y);
        break;
    }
    if (!showsNext)
    {
        // Nothing leads on from here: back to the menu, which saves.
        press(backButton.x, backButton.y);
        last = release(backButton.x, backButton.y);
    }

    return handOver(from, last, showsNext);
}

WindowDriver::Step WindowDriver::startLevel()
{
    press(levelButton.x, levelButton.y);
    return handOver(window.getState(), release(levelButton.x, levelButton.y), true);
}

WindowDriver::Step WindowDriver::handOver(int from, const sf::Event& last, bool showsNext)
{
    Step step;
    step.from = from;
    step.showedNext = showsNext;
    const auto start = std::chrono::steady_clock::now();
    send(last);
    const auto end = std::chrono::steady_clock::now();
    step.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    step.to = window.getState();
    // A menu choice that found nothing: the other one next time.
    if (step.from == ExerciseType::None && step.to == ExerciseType::None)
        menuOffersReview = !menuOffersReview;
    frame(true);
    return step;
}

bool WindowDriver::playMenu(sf::Event& last)
{
    const sf::Vector2i button = menuOffersReview ? reviewButton : levelButton;
    press(button.x, button.y);
    last = release(button.x, button.y);
    return true;
}

std::set<std::wstring> WindowDriver::rightAnswers() const
{
    const Exercise exercise = current();
    switch (exercise.getType())
    {
    case ExerciseType::KunyomiQuestion:
        return KanjiManager::getInstance()->getKanji(exercise.getHash()).getKunyomi();
    case ExerciseType::OnyomiQuestion:
        return KanjiManager::getInstance()->getKanji(exercise.getHash()).getOnyomi();
    case ExerciseType::KanjiMeaningQuestion:
        return {KanjiManager::getInstance()->getKanji(exercise.getHash()).getMeaning()};
    case ExerciseType::WordPronunciationQuestion:
        return {WordManager::getInstance()->getWord(exercise.getHash()).getReading()};
    case ExerciseType::WordMeaningQuestion:
        return {WordManager::getInstance()->getWord(exercise.getHash()).getMeaning()};
    default:
        return {};
    }
}

bool WindowDriver::playAnswers(bool mistake, sf::Event& last)
{
    const bool reading = window.getState() <= ExerciseType::OnyomiQuestion;
    const std::list<Button>& buttons = reading ? window.getShortAnswerButtons() : window.getLongAnswerButtons();
    const std::set<std::wstring> right = rightAnswers();

    // One button per right answer, and one wrong button.
    std::vector<int> rightButtons;
    std::set<std::wstring> seen;
    int wrongButton = -1;
    int index = 0;
    for (const Button& button : buttons)
    {
        const std::wstring text = newlinesToSpaces(button.getText());
        if (right.count(text) > 0 && seen.insert(text).second)
            rightButtons.push_back(index);
        else if (right.count(text) == 0 && wrongButton < 0)
            wrongButton = index;
        ++index;
    }
    auto x = [reading](int i) { return reading ? shortX[i] : longX[i]; };
    auto y = [reading](int i) { return reading ? shortY[i] : longY[i]; };

    if (mistake && wrongButton >= 0)
        click(x(wrongButton), y(wrongButton));
    if (rightButtons.empty() || seen.size() < right.size())
        return false;
    for (std::size_t i = 0; i + 1 < rightButtons.size(); ++i)
        click(x(rightButtons[i]), y(rightButtons[i]));
    const int lastButton = rightButtons.back();
    press(x(lastButton), y(lastButton));
    last = release(x(lastButton), y(lastButton));
    return true;
}

void WindowDriver::traceStroke(const sf::VertexArray& stroke, int boardX, int boardY, bool holdRelease)
{
    auto at = [&](std::size_t i) {
        return sf::Vector2i(boardX + static_cast<int>(stroke[i].position.x),
                            boardY + static_cast<int>(stroke[i].position.y));
    };
    const sf::Vector2i first = at(0);
    moveTo(first.x, first.y);
    send(mouseButton(sf::Event::MouseButtonPressed, first.x, first.y));
    // Every point twice: the board keeps every second position.
    for (std::size_t i = 1; i < stroke.getVertexCount(); ++i)
    {
        moveTo(at(i).x, at(i).y);
        moveTo(at(i).x, at(i).y);
    }
    const sf::Vector2i end = at(stroke.getVertexCount() - 1);
    heldRelease = mouseButton(sf::Event::MouseButtonReleased, end.x, end.y);
    if (!holdRelease)
    {
        send(heldRelease);
        frame();
    }
}

sf::VertexArray WindowDriver::wrongStroke(const sf::VertexArray& model)
{
    // A short dash in the board corner farthest from where the model starts.
    sf::Vector2f corner(-80.f, -80.f);
    if (model.getVertexCount() > 0)
    {
        corner.x = model[0].position.x > 0 ? -80.f : 80.f;
        corner.y = model[0].position.y > 0 ? -80.f : 80.f;
    }
    sf::VertexArray dash(sf::LineStrip);
    dash.append(sf::Vertex(corner));
    dash.append(sf::Vertex(corner + sf::Vector2f(4.f, 0.f)));
    return dash;
}

bool WindowDriver::playDrawing(bool mistake, sf::Event& last)
{
    const std::vector<sf::VertexArray> strokes = KanjiManager::getInstance()->getKanji(current().getHash()).getStrokes();
    if (strokes.empty())
        return false;
    if (mistake)
        traceStroke(wrongStroke(strokes.front()), exerciseBoard.x, exerciseBoard.y, false);
    for (std::size_t i = 0; i < strokes.size(); ++i)
        traceStroke(strokes[i], exerciseBoard.x, exerciseBoard.y, i + 1 == strokes.size());
    last = heldRelease;
    return true;
}

bool WindowDriver::playPractice(sf::Event& last)
{
    for (const sf::VertexArray& stroke : current().getStrokes())
        traceStroke(stroke, practiceBoard.x, practiceBoard.y, false);
    press(continueButton.x, continueButton.y);
    last = release(continueButton.x, continueButton.y);
    return true;
}
