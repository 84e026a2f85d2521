#pragma once
// Drives a real MainWindow inside the test process: synthetic mouse events
// at widget positions, frames stepped by hand, and screen captures.

#include "app/MainWindow.hpp"
#include "study/Exercise.hpp"
#include "study/ExerciseManager.hpp"
#include "study/Kanji.hpp"
#include "study/KanjiManager.hpp"
#include "study/WordManager.hpp"
#include "study/WordTestSupport.hpp"
#include "support/TestDirectory.hpp"
#include "widgets/Helpers.hpp"
#include "widgets/ResourceHolder.hpp"
#include "widgets/ResourceIds.hpp"
#include "widgets/Rendering.hpp"
#include "widgets/SyntheticEvents.hpp"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
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
    }

    // Opens the window on fresh progress or, given scores by item (four for
    // a kanji, two for a word), with every other grade-5 item mastered.
    void open(const std::map<std::wstring, std::vector<int>>& scores = {})
    {
        if (!scores.empty())
        {
            std::map<std::uint64_t, std::vector<int>> kanji, words;
            for (const auto& [item, values] : scores)
                (values.size() == 4 ? kanji : words)[hashString(item)] = values;
            wordtest::writeGrade5Progress(kanji, words);
        }
        steer(0);
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

    // Seeds rand() so that its next draw has the given parity: the manager's
    // first draw, 0 for the kanji store in a grade run, 1 for words (review
    // runs turn it round). A fresh grade run then starts on a new-kanji card.
    static void steer(int parity)
    {
        for (unsigned seed = 1;; ++seed)
        {
            std::srand(seed);
            if (std::rand() % 2 == parity)
                return std::srand(seed);
        }
    }

    void send(const sf::Event& event)
    {
        window->handleEvent(event);
    }

    void frame()
    {
        window->update();
        window->render();
    }

    // Clicks a button placed at (x, y), in the middle of its face.
    void click(int x, int y)
    {
        send(events::move(x, y - 10));
        send(events::press(x, y - 10));
        send(events::release(x, y - 10));
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
        send(events::move(at(0).x, at(0).y));
        send(events::press(at(0).x, at(0).y));
        for (std::size_t i = 1; i < stroke.getVertexCount(); ++i)
        {
            send(events::move(at(i).x, at(i).y));
            send(events::move(at(i).x, at(i).y));
        }
        const auto last = at(stroke.getVertexCount() - 1);
        send(events::release(last.x, last.y));
        frame();
    }

    // A two-point stroke in the board corner farthest from the given point.
    static sf::VertexArray strokeFarFrom(sf::Vector2f point)
    {
        sf::VertexArray stroke(sf::LineStrip);
        stroke.append(sf::Vertex({point.x > 0 ? -100.f : 100.f, point.y > 0 ? -100.f : 100.f}));
        stroke.append(sf::Vertex({stroke[0].position.x, stroke[0].position.y + 4.f}));
        return stroke;
    }

    // The score sign's two texts, line breaks read as spaces.
    static std::wstring kanjiScores(int meaning, int kunyomi, int onyomi, int drawing)
    {
        return shown(L"Meaning: " + std::to_wstring(meaning) + L"%\n\nKunyomi: " + std::to_wstring(kunyomi) +
                     L"%\n\nOnyomi: " + std::to_wstring(onyomi) + L"%\n\nDrawing: " + std::to_wstring(drawing) + L"%");
    }

    static std::wstring wordScores(int reading, int meaning)
    {
        return shown(L"Pronunciation: " + std::to_wstring(reading) + L"%\n\nMeaning: " + std::to_wstring(meaning) + L"%");
    }

    std::wstring scoreSign() const
    {
        return shown(window->getScoreSign().getText());
    }

    static Exercise current()
    {
        return ExerciseManager::getInstance()->getExercise();
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

    // The right answers of the question on screen.
    static std::set<std::wstring> rightAnswers()
    {
        const Exercise e = current();
        const Kanji kanji = KanjiManager::getInstance()->getKanji(e.getHash());
        const Word word = WordManager::getInstance()->getWord(e.getHash());
        const int type = e.getType();
        return type == 1 ? kanji.getKunyomi()
               : type == 2 ? kanji.getOnyomi()
                           : std::set<std::wstring>{type == 3   ? kanji.getMeaning()
                                                    : type == 4 ? word.getReading()
                                                                : word.getMeaning()};
    }

    // The answer buttons of the question on screen and their places.
    const std::list<Button>& buttons() const
    {
        return window->getState() <= 2 ? window->getShortAnswerButtons() : window->getLongAnswerButtons();
    }

    sf::Vector2i place(int i) const
    {
        return window->getState() <= 2 ? sf::Vector2i(ShortX[i], ShortY[i]) : sf::Vector2i(LongX[i], LongY[i]);
    }

    // Index of the first button whose option is (or is not) a right answer.
    int findButton(bool right, const std::set<std::wstring>& answers, const std::set<std::wstring>& skip = {}) const
    {
        int index = 0;
        for (const Button& button : buttons())
        {
            const std::wstring option = shown(button.getText());
            if ((answers.count(option) > 0) == right && skip.count(option) == 0)
                return index;
            ++index;
        }
        return -1;
    }

    void clickOption(bool right)
    {
        const int i = findButton(right, rightAnswers());
        ASSERT_GE(i, 0);
        click(place(i).x, place(i).y);
    }

    // A sign's or label's text with the line breaks of fitting read as spaces.
    static std::wstring shown(const sf::String& text)
    {
        return newlinesToSpaces(text.toWideString());
    }

    // The box a button covers, face and base: the face floats 10 px over
    // its base at rest, less while hovered or pressed.
    static sf::IntRect face(const Button& button)
    {
        return rendering::bounds(rendering::render(button, 800, 600, sf::Color::Transparent),
                                 [](sf::Color c) { return c.a > 0; });
    }

    // The window's background picture, scaled to fill it.
    static sf::Sprite background()
    {
        sf::Sprite sprite(TextureHolder::getInstance()->get(TextureId::Background));
        sprite.setScale(2.f, 2.f);
        return sprite;
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
