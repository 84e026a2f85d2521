#include "widgets/PointByPointBoard.hpp"

#include "widgets/Rendering.hpp"
#include "widgets/StrokeProbe.hpp"
#include "widgets/SyntheticEvents.hpp"

#include <gtest/gtest.h>

namespace
{
// A white 200 x 100 board centred at (200, 150): x from 100 to 300, y from 100 to 200.
class PointByPointBoardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        rendering::fill(texture, 200, 100, sf::Color::White);
        board.setTexture(texture);
        board.setPosition(200.0, 150.0);
        board.setOnStrokeFinished([this](DrawingBoard&) { ++finished; });
    }

    void click(int x, int y, sf::Mouse::Button button = sf::Mouse::Left)
    {
        board.handleEvent(events::press(x, y, button));
        board.handleEvent(events::release(x, y, button));
    }

    std::vector<sf::Vector2f> lastStrokePoints() const { return probe::points(board.getLastStroke()); }

    sf::Texture texture;
    PointByPointBoard board;
    int finished = 0;
};

using Points = std::vector<sf::Vector2f>;
} // namespace

TEST_F(PointByPointBoardTest, EachClickAddsOnePointAndTheEdgeCounts)
{
    click(150, 150);
    board.handleEvent(events::move(200, 150));
    board.handleEvent(events::move(210, 150));
    click(300, 200);
    click(100, 100);
    EXPECT_EQ(lastStrokePoints(), (Points{{-50, 0}, {100, 50}, {-100, -50}}));
    EXPECT_EQ(finished, 0);

    // A click off the board ends the stroke without adding the point.
    click(301, 150);
    EXPECT_EQ(finished, 1);
    EXPECT_EQ(board.getStrokeCount(), 1u);
    EXPECT_EQ(lastStrokePoints().size(), 3u);

    // Idle, a click off the board opens nothing.
    click(99, 150);
    EXPECT_EQ(board.getStrokeCount(), 1u);
    EXPECT_EQ(finished, 1);
}

TEST_F(PointByPointBoardTest, RightClickEndsTheStrokeAnywhere)
{
    click(150, 150, sf::Mouse::Right);
    EXPECT_EQ(finished, 0);
    click(150, 150);
    click(160, 150);
    click(999, 999, sf::Mouse::Right);
    EXPECT_EQ(finished, 1);
    click(170, 150);
    EXPECT_EQ(board.getStrokeCount(), 2u);
    EXPECT_EQ(lastStrokePoints(), (Points{{-30, 0}}));
}

TEST_F(PointByPointBoardTest, RemoveLastPointShortensThenRemovesStrokes)
{
    board.removeLastPoint();
    EXPECT_EQ(board.getStrokeCount(), 0u);

    click(110, 150);
    click(120, 150);
    board.handleEvent(events::press(500, 150, sf::Mouse::Right)); // first stroke done
    click(150, 150);
    click(160, 150);
    click(170, 150);
    board.removeLastPoint();
    EXPECT_EQ(lastStrokePoints(), (Points{{-50, 0}, {-40, 0}}));
    board.removeLastPoint();
    board.removeLastPoint();
    EXPECT_EQ(board.getStrokeCount(), 1u);

    // Still drawing: the next click extends the earlier stroke.
    click(130, 150);
    EXPECT_EQ(board.getStrokeCount(), 1u);
    EXPECT_EQ(lastStrokePoints(), (Points{{-90, 0}, {-80, 0}, {-70, 0}}));
    EXPECT_EQ(finished, 1);

    // Removing every stroke leaves the board idle: the next click opens a new one.
    for (int i = 0; i < 3; ++i)
        board.removeLastPoint();
    EXPECT_EQ(board.getStrokeCount(), 0u);
    click(140, 150);
    EXPECT_EQ(board.getStrokeCount(), 1u);
}

TEST_F(PointByPointBoardTest, RubberBandFollowsThePointerWhileDrawing)
{
    board.setStrokeColor(sf::Color::Black);
    click(150, 150);
    // Right after the click the band has no length: one dot at the point.
    sf::Image picture = rendering::render(board, 400, 300);
    EXPECT_EQ(picture.getPixel(150, 150), sf::Color::Black);
    const int dotOnly = rendering::count(picture, sf::Color::Black);
    EXPECT_LT(dotOnly, 40);

    board.handleEvent(events::move(250, 150));
    picture = rendering::render(board, 400, 300);
    EXPECT_EQ(picture.getPixel(200, 150), sf::Color::Black);
    EXPECT_EQ(picture.getPixel(250, 150), sf::Color::Black);
    EXPECT_EQ(picture.getPixel(255, 150), sf::Color::White);

    // Off the board the band still follows; once the stroke ends it is gone.
    board.handleEvent(events::move(350, 150));
    picture = rendering::render(board, 400, 300);
    EXPECT_EQ(picture.getPixel(320, 150), sf::Color::Black);
    board.handleEvent(events::press(350, 150, sf::Mouse::Right));
    picture = rendering::render(board, 400, 300);
    EXPECT_EQ(picture.getPixel(200, 150), sf::Color::White);
    EXPECT_EQ(rendering::count(picture, sf::Color::Black), dotOnly);
}
