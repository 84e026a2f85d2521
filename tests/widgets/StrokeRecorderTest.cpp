#include "widgets/PointByPointBoard.hpp"
#include "widgets/StrokeRecorder.hpp"

#include "widgets/Common.hpp"
#include "widgets/Rendering.hpp"
#include "widgets/StrokeProbe.hpp"
#include "widgets/SyntheticEvents.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <sstream>

namespace
{
class StrokeRecorderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        prepareRecorderBoard(board);
    }

    void send(const sf::Event& event)
    {
        handleRecorderEvent(board, event);
    }

    void click(int x, int y)
    {
        send(events::press(x, y));
        send(events::release(x, y));
    }

    std::string pressReturn()
    {
        return probe::printed([this] { send(events::key(sf::Keyboard::Return)); });
    }

    PointByPointBoard board;
};
} // namespace

TEST_F(StrokeRecorderTest, ReturnPrintsTheStrokesInBoardCoordinates)
{
    EXPECT_EQ(pressReturn(), "\n");
    click(150, 100);
    click(250, 100);
    EXPECT_EQ(pressReturn(), "-50,-50;50,-50;\n\n");
    EXPECT_EQ(board.getStrokeCount(), 1u);
}

TEST_F(StrokeRecorderTest, SpaceRemovesTheLastPointAndBackSpaceClears)
{
    click(150, 100);
    click(250, 100);
    click(250, 200);
    send(events::key(sf::Keyboard::Space));
    EXPECT_EQ(pressReturn(), "-50,-50;50,-50;\n\n");

    // Still drawing after Space; BackSpace empties the board and ends it.
    send(events::key(sf::Keyboard::BackSpace));
    EXPECT_EQ(board.getStrokeCount(), 0u);
    click(200, 150);
    send(events::press(0, 0, sf::Mouse::Right));
    click(210, 150);
    EXPECT_EQ(pressReturn(), "0,0;\n10,0;\n\n");

    // Other keys reach the board and change nothing.
    send(events::key(sf::Keyboard::A));
    send(events::key(sf::Keyboard::Escape));
    EXPECT_EQ(pressReturn(), "0,0;\n10,0;\n\n");
}

TEST_F(StrokeRecorderTest, DarkBoardWithWhiteStrokes)
{
    click(200, 150);
    click(220, 150);
    send(events::press(0, 0, sf::Mouse::Right));
    const sf::Image picture = rendering::render(board, 400, 300, sf::Color(100, 100, 100));
    EXPECT_EQ(picture.getPixel(210, 150), Palette::ShowingStroke);
    // The board picture tinted by (50, 50, 50) is darker than the window's grey.
    const sf::Color board = picture.getPixel(210, 130);
    EXPECT_LE(std::max({board.r, board.g, board.b}), 50);
}
