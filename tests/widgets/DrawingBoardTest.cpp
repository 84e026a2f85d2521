#include "widgets/DrawableStroke.hpp"
#include "widgets/DrawingBoard.hpp"

#include "widgets/Rendering.hpp"
#include "widgets/StrokeProbe.hpp"
#include "widgets/SyntheticEvents.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <iostream>
#include <sstream>

namespace
{
// A 200 x 100 board centred at (200, 150): x from 100 to 300, y from 100 to 200.
class DrawingBoardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        rendering::fill(texture, 200, 100, sf::Color::White);
        board.setTexture(texture);
        board.setPosition(200.0, 150.0);
        board.setOnStrokeFinished([this](DrawingBoard& b) {
            ++finished;
            EXPECT_EQ(&b, &board);
        });
    }

    // Presses at the first point, moves through the rest and releases at the last.
    void drag(std::initializer_list<sf::Vector2i> points)
    {
        board.handleEvent(events::press(points.begin()->x, points.begin()->y));
        for (auto point = points.begin() + 1; point != points.end(); ++point)
            board.handleEvent(events::move(point->x, point->y));
        board.handleEvent(events::release((points.end() - 1)->x, (points.end() - 1)->y));
    }

    std::vector<sf::Vector2f> lastStrokePoints() const { return probe::points(board.getLastStroke()); }

    std::string dump() const
    {
        return probe::printed([this] { board.printStrokes(); });
    }

    sf::Texture texture;
    DrawingBoard board;
    int finished = 0;
};

using Points = std::vector<sf::Vector2f>;
} // namespace

TEST_F(DrawingBoardTest, RecordsThePressAndEverySecondPosition)
{
    board.handleEvent(events::press(200, 150));
    for (int i = 1; i <= 5; ++i)
        board.handleEvent(events::move(200 + i, 150 + i));
    EXPECT_EQ(finished, 0);
    board.handleEvent(events::release(260, 160));

    EXPECT_EQ(finished, 1);
    EXPECT_EQ(board.getStrokeCount(), 1u);
    EXPECT_EQ(lastStrokePoints(), (Points{{0, 0}, {2, 2}, {4, 4}}));
    EXPECT_EQ(board.getLastStroke().getPrimitiveType(), sf::LineStrip);

    // The next stroke starts sampling afresh with its press.
    drag({{110, 110}, {111, 110}});
    EXPECT_EQ(finished, 2);
    EXPECT_EQ(lastStrokePoints(), (Points{{-90, -40}}));
}

TEST_F(DrawingBoardTest, BoardEdgesAreInclusive)
{
    const std::pair<int, int> edges[] = {{300, 150}, {100, 150}, {200, 100}, {200, 200}, {300, 200}};
    for (const auto& edge : edges)
    {
        drag({{edge.first, edge.second}});
    }
    EXPECT_EQ(board.getStrokeCount(), 5u);
    EXPECT_EQ(finished, 5);

    const std::pair<int, int> beyond[] = {{301, 150}, {99, 150}, {200, 99}, {200, 201}};
    for (const auto& point : beyond)
    {
        drag({{point.first, point.second}, {200, 150}});
    }
    EXPECT_EQ(board.getStrokeCount(), 5u);
    EXPECT_EQ(finished, 5);
}

TEST_F(DrawingBoardTest, LeavingTheBoardEndsTheStrokeOnce)
{
    board.handleEvent(events::press(290, 150));
    board.handleEvent(events::move(295, 150)); // skipped by sampling
    board.handleEvent(events::move(300, 150));
    board.handleEvent(events::move(301, 150));
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(lastStrokePoints(), (Points{{90, 0}, {100, 0}}));

    // Back on the board with the button still held: no new stroke, and the
    // release belongs to nothing.
    board.handleEvent(events::move(250, 150));
    board.handleEvent(events::move(240, 150));
    board.handleEvent(events::release(240, 150));
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(board.getStrokeCount(), 1u);
    EXPECT_EQ(lastStrokePoints(), (Points{{90, 0}, {100, 0}}));
}

TEST_F(DrawingBoardTest, IgnoresOtherButtonsAndSecondPresses)
{
    board.handleEvent(events::press(200, 150, sf::Mouse::Right));
    board.handleEvent(events::release(200, 150, sf::Mouse::Right));
    board.handleEvent(events::move(201, 150));
    EXPECT_EQ(board.getStrokeCount(), 0u);

    board.handleEvent(events::press(200, 150));
    board.handleEvent(events::press(220, 150));
    board.handleEvent(events::press(220, 150, sf::Mouse::Right));
    board.handleEvent(events::release(220, 150, sf::Mouse::Right));
    board.handleEvent(events::key(sf::Keyboard::A));
    EXPECT_EQ(finished, 0);
    board.handleEvent(events::release(220, 150));
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(board.getStrokeCount(), 1u);
    EXPECT_EQ(lastStrokePoints(), (Points{{0, 0}}));
}

TEST_F(DrawingBoardTest, CallbackSeesAClosedStrokeAndMayChangeTheBoard)
{
    board.setOnStrokeFinished([this](DrawingBoard& b) {
        ++finished;
        EXPECT_EQ(b.getStrokeCount(), 1u);
        b.removeLastStroke();
        b.clear();
    });
    drag({{200, 150}});
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(board.getStrokeCount(), 0u);
    // The board is idle again: a move does nothing.
    board.handleEvent(events::move(210, 150));
    EXPECT_EQ(board.getStrokeCount(), 0u);
}

TEST_F(DrawingBoardTest, EmptyBoardOperationsAreHarmless)
{
    const sf::VertexArray none = board.getLastStroke();
    EXPECT_EQ(none.getVertexCount(), 0u);
    EXPECT_EQ(none.getPrimitiveType(), sf::Points);

    // Removing the open stroke closes it without a callback.
    board.removeLastStroke();
    board.handleEvent(events::press(200, 150));
    board.removeLastStroke();
    board.handleEvent(events::move(210, 150));
    board.handleEvent(events::release(210, 150));
    EXPECT_EQ(board.getStrokeCount(), 0u);
    EXPECT_EQ(finished, 0);
}

TEST_F(DrawingBoardTest, StrokesMoveWithTheBoard)
{
    drag({{190, 140}, {200, 140}, {230, 150}});
    board.setPosition(400.0f, 300.0f);
    EXPECT_EQ(lastStrokePoints(), (Points{{-10, -10}, {30, 0}}));

    // The stroke now lies at window (390, 290): a press there is on the moved board.
    drag({{300, 250}});
    EXPECT_EQ(board.getStrokeCount(), 2u);
    EXPECT_EQ(lastStrokePoints(), (Points{{-100, -50}}));
}

TEST_F(DrawingBoardTest, AddStrokeTakesBoardCoordinatesAndTheStrokeColour)
{
    sf::VertexArray model(sf::Lines);
    model.append(sf::Vertex({-10, -10}, sf::Color::Green));
    model.append(sf::Vertex({30, 0}, sf::Color::Green));
    board.setStrokeColor(sf::Color::Blue);
    board.addStroke(model);
    board.addStroke(board.getLastStroke());

    const sf::VertexArray copy = board.getLastStroke();
    EXPECT_EQ(board.getStrokeCount(), 2u);
    EXPECT_EQ(copy.getPrimitiveType(), sf::Lines);
    EXPECT_EQ(lastStrokePoints(), (Points{{-10, -10}, {30, 0}}));
    EXPECT_EQ(copy[0].color, sf::Color::Blue);

    board.setStrokeColor(sf::Color::Red);
    EXPECT_EQ(board.getLastStroke()[1].color, sf::Color::Red);
}

TEST_F(DrawingBoardTest, DumpsOneLinePerStrokeThenAnEmptyLine)
{
    EXPECT_EQ(dump(), "\n");

    drag({{190, 140}, {200, 140}, {230, 150}});
    EXPECT_EQ(dump(), "-10,-10;30,0;\n\n");

    sf::VertexArray fractional(sf::LineStrip);
    fractional.append(sf::Vertex({0.5f, -1234567.f}));
    board.addStroke(fractional);
    board.addStroke(sf::VertexArray(sf::LineStrip));
    EXPECT_EQ(dump(), "-10,-10;30,0;\n0.5,-1.23457e+06;\n\n\n");
}

TEST(DrawableStrokeTest, QuadHasTheWidthAndFlatEnds)
{
    const sf::Image image = rendering::render(DrawableStroke({10, 20}, {50, 20}, sf::Color::Black, 6.0), 60, 40);
    for (const auto& [x, y, colour] : {std::tuple(30, 18, sf::Color::Black), {30, 22, sf::Color::Black},
                                       {11, 20, sf::Color::Black}, {30, 24, sf::Color::White},
                                       {30, 15, sf::Color::White}, {8, 20, sf::Color::White}, {52, 20, sf::Color::White}})
        EXPECT_EQ(image.getPixel(x, y), colour) << x << "," << y;
    EXPECT_EQ(rendering::count(image, sf::Color::White), 60 * 40 - 40 * 6);
    // A segment of length zero draws nothing.
    const auto dot = rendering::render(DrawableStroke({20, 20}, {20, 20}, sf::Color::Black, 5.0), 40, 40);
    EXPECT_EQ(rendering::count(dot, sf::Color::White), 40 * 40);
}

TEST_F(DrawingBoardTest, DrawsSegmentsAndDotsInTheStrokeColour)
{
    board.setPosition(100.0, 100.0);
    board.setColor(sf::Color::White);
    board.setStrokeColor(sf::Color::Red);
    sf::VertexArray stroke(sf::LineStrip);
    for (sf::Vector2f p : {sf::Vector2f(-60, -20), sf::Vector2f(-60, -20), sf::Vector2f(40, -20)})
        stroke.append(sf::Vertex(p, sf::Color::Green));
    board.addStroke(stroke);
    sf::VertexArray lonePoint(sf::LineStrip);
    lonePoint.append(sf::Vertex({0, 30}));
    board.addStroke(lonePoint);
    board.addStroke(sf::VertexArray(sf::LineStrip));

    const sf::Image image = rendering::render(board, 200, 200);
    // The segment, and the dots that round off both ends beyond it.
    EXPECT_EQ(image.getPixel(90, 80), sf::Color::Red);
    EXPECT_EQ(image.getPixel(90, 82), sf::Color::Red);
    EXPECT_EQ(image.getPixel(38, 80), sf::Color::Red);
    EXPECT_EQ(image.getPixel(141, 80), sf::Color::Red);
    EXPECT_EQ(image.getPixel(90, 84), sf::Color::White);
    EXPECT_EQ(image.getPixel(36, 80), sf::Color::White);
    // A one-point stroke is a single dot.
    EXPECT_EQ(image.getPixel(100, 130), sf::Color::Red);
    EXPECT_EQ(image.getPixel(100, 134), sf::Color::White);

    // Nothing stray and no other colour: only the segment (about 100 x 5)
    // and the dots.
    const int red = rendering::count(image, sf::Color::Red);
    EXPECT_EQ(red + rendering::count(image, sf::Color::White), 200 * 200);
    EXPECT_GT(red, 500);
    EXPECT_LT(red, 560);
}
