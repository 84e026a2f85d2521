#pragma once
// Drives a real MainWindow inside the test process: synthetic mouse events
// at widget positions, frames stepped by hand, and screen captures.

#include "app/MainWindow.hpp"
#include "study/Exercise.hpp"
#include "study/ExerciseManager.hpp"
#include "study/Kanji.hpp"
#include "study/KanjiManager.hpp"
#include "support/TestDirectory.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

class MainWindowFixture : public ::testing::Test
{
public:
    // Widget centres (button faces float 10 px above these).
    static constexpr int ShortX[9] = {115, 267, 420, 115, 267, 420, 115, 267, 420};
    static constexpr int ShortY[9] = {210, 210, 210, 360, 360, 360, 510, 510, 510};
    static constexpr int LongX[6] = {150, 385, 150, 385, 150, 385};
    static constexpr int LongY[6] = {210, 210, 360, 360, 510, 510};

    void SetUp() override
    {
        directory = std::make_unique<TestDirectory>();
        std::srand(kanjiFirstSeed());
        menu = std::make_unique<MainWindow::MenuButtons>();
        window = std::make_unique<MainWindow>();
        window->setUp(*menu);
        frame();
    }

    void TearDown() override
    {
        window.reset();
        menu.reset();
        directory.reset();
    }

    // A seed whose first draw sends a grade run to the kanji store, whose
    // first exercise is then always a new-kanji card.
    static unsigned kanjiFirstSeed()
    {
        unsigned seed = 1;
        for (;; ++seed)
        {
            std::srand(seed);
            if (std::rand() % 2 == 0)
                return seed;
        }
    }

    void send(sf::Event::EventType type, int x, int y)
    {
        sf::Event event;
        event.type = type;
        if (type == sf::Event::MouseMoved)
            event.mouseMove = {x, y};
        else
            event.mouseButton = {sf::Mouse::Left, x, y};
        window->handleEvent(event);
    }

    void frame()
    {
        window->update();
        window->render();
    }

    void frames(int count)
    {
        for (int i = 0; i < count; ++i)
            frame();
    }

    // Clicks a button placed at (x, y), in the middle of its face.
    void click(int x, int y)
    {
        send(sf::Event::MouseMoved, x, y - 10);
        send(sf::Event::MouseButtonPressed, x, y - 10);
        send(sf::Event::MouseButtonReleased, x, y - 10);
        frame();
    }

    // Draws a stroke given in board coordinates on the board at (bx, by).
    // Every point is visited twice, so the board's sampling keeps each one.
    void drawStroke(const sf::VertexArray& stroke, int bx, int by)
    {
        auto at = [&](std::size_t i) {
            return sf::Vector2i(bx + static_cast<int>(stroke[i].position.x),
                                by + static_cast<int>(stroke[i].position.y));
        };
        send(sf::Event::MouseMoved, at(0).x, at(0).y);
        send(sf::Event::MouseButtonPressed, at(0).x, at(0).y);
        for (std::size_t i = 1; i < stroke.getVertexCount(); ++i)
        {
            send(sf::Event::MouseMoved, at(i).x, at(i).y);
            send(sf::Event::MouseMoved, at(i).x, at(i).y);
        }
        const auto last = at(stroke.getVertexCount() - 1);
        send(sf::Event::MouseButtonReleased, last.x, last.y);
        frame();
    }

    static Exercise current()
    {
        return ExerciseManager::getInstance()->getExercise();
    }

    static Kanji currentKanji()
    {
        return KanjiManager::getInstance()->getKanji(current().getHash());
    }

    // Leaves the current screen the shortest way: the level button on the
    // menu, Continue on cards, back on questions.
    void step()
    {
        const int state = window->getState();
        if (state == 0)
            click(266, 400);
        else if (state >= 7)
            click(640, 100);
        else
            click(60, 70);
    }

    // Steps through runs until the screen and exercise satisfy the wish.
    bool reach(const std::function<bool(int)>& wanted, int limit = 600)
    {
        for (int i = 0; i < limit; ++i)
        {
            if (wanted(window->getState()))
                return true;
            step();
        }
        return wanted(window->getState());
    }

    bool reachState(int state)
    {
        return reach([state](int s) { return s == state; });
    }

    // The right answers of the question on screen.
    static std::set<std::wstring> rightAnswers()
    {
        const Exercise exercise = current();
        const Kanji kanji = KanjiManager::getInstance()->getKanji(exercise.getHash());
        switch (exercise.getType())
        {
        case ExerciseType::KunyomiQuestion:
            return kanji.getKunyomi();
        case ExerciseType::OnyomiQuestion:
            return kanji.getOnyomi();
        case ExerciseType::KanjiMeaningQuestion:
            return {kanji.getMeaning()};
        default:
            return {};
        }
    }

    sf::Image capture()
    {
        window->render();
        sf::Texture texture;
        texture.create(800, 600);
        texture.update(window->getWindow());
        return texture.copyToImage();
    }

    // Mean colour of a box centred on (x, y).
    static sf::Vector3f meanColour(const sf::Image& image, int x, int y, int halfWidth, int halfHeight)
    {
        sf::Vector3f sum;
        int count = 0;
        for (int py = y - halfHeight; py <= y + halfHeight; ++py)
            for (int px = x - halfWidth; px <= x + halfWidth; ++px)
            {
                const sf::Color c = image.getPixel(px, py);
                sum += sf::Vector3f(c.r, c.g, c.b);
                ++count;
            }
        return sum / static_cast<float>(count);
    }

    // Pure red pixels (the model board's start marker) within 14 px of a point.
    static int redPixelsAround(const sf::Image& image, int x, int y)
    {
        int count = 0;
        for (int py = y - 14; py <= y + 14; ++py)
            for (int px = x - 14; px <= x + 14; ++px)
            {
                const sf::Color c = image.getPixel(px, py);
                if (c.r > 200 && c.g < 60 && c.b < 60)
                    ++count;
            }
        return count;
    }

    std::unique_ptr<TestDirectory> directory;
    std::unique_ptr<MainWindow::MenuButtons> menu;
    std::unique_ptr<MainWindow> window;
};
