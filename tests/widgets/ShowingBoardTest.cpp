#include "widgets/ShowingBoard.hpp"

#include "widgets/Rendering.hpp"
#include "widgets/SyntheticEvents.hpp"

#include <gtest/gtest.h>

namespace
{
// A white 200 x 200 board centred at (100, 100) with three horizontal model
// strokes at window heights 20, 100 and 180, each running from x 20 to 180.
class ShowingBoardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        rendering::fill(texture, 200, 200, sf::Color::White);
        board.setTexture(texture);
        board.setPosition(100.0, 100.0);
        board.setStrokes({line(-80), line(0), line(80)});
    }

    static sf::VertexArray line(float y)
    {
        sf::VertexArray stroke(sf::LineStrip);
        stroke.append(sf::Vertex({-80, y}));
        stroke.append(sf::Vertex({80, y}));
        return stroke;
    }

    sf::Image image() const
    {
        return rendering::render(board, 200, 200);
    }

    // Which strokes are drawn, judged at their middles.
    std::vector<bool> visible(const sf::Image& picture) const
    {
        return {picture.getPixel(100, 20) == sf::Color::Black, picture.getPixel(100, 100) == sf::Color::Black,
                picture.getPixel(100, 180) == sf::Color::Black};
    }

    sf::Texture texture;
    ShowingBoard board;
};

using Visible = std::vector<bool>;
} // namespace

TEST_F(ShowingBoardTest, ShowsTheFirstStrokeWithItsMarker)
{
    const sf::Image picture = image();
    EXPECT_EQ(visible(picture), (Visible{true, false, false}));
    // The marker (radius 15) is centred on the first point, under the stroke.
    EXPECT_EQ(picture.getPixel(20, 20), sf::Color::Black);
    EXPECT_EQ(picture.getPixel(20, 33), sf::Color::Red);
    EXPECT_EQ(picture.getPixel(7, 20), sf::Color::Red);
    EXPECT_EQ(picture.getPixel(20, 37), sf::Color::White);
    EXPECT_EQ(picture.getPixel(180, 30), sf::Color::White);
}

TEST_F(ShowingBoardTest, StepsForwardWithoutBoundAndBackToTheFirst)
{
    board.showNextStroke();
    sf::Image picture = image();
    EXPECT_EQ(visible(picture), (Visible{true, true, false}));
    EXPECT_EQ(picture.getPixel(20, 30), sf::Color::White);
    EXPECT_EQ(picture.getPixel(20, 110), sf::Color::Red);

    board.showNextStroke();
    board.showNextStroke();
    picture = image();
    EXPECT_EQ(visible(picture), (Visible{true, true, true}));
    EXPECT_EQ(rendering::count(picture, sf::Color::Red), 0);

    // One step past the end and one back: still all, without a marker.
    board.showNextStroke();
    board.showPreviousStroke();
    picture = image();
    EXPECT_EQ(visible(picture), (Visible{true, true, true}));
    EXPECT_EQ(rendering::count(picture, sf::Color::Red), 0);

    board.showPreviousStroke();
    picture = image();
    EXPECT_EQ(visible(picture), (Visible{true, true, true}));
    EXPECT_EQ(picture.getPixel(20, 190), sf::Color::Red);

    for (int i = 0; i < 5; ++i)
        board.showPreviousStroke();
    picture = image();
    EXPECT_EQ(visible(picture), (Visible{true, false, false}));
    EXPECT_EQ(picture.getPixel(20, 30), sf::Color::Red);
}

TEST_F(ShowingBoardTest, SetStrokesStartsAgainAtTheFirstStroke)
{
    board.showNextStroke();
    board.showNextStroke();
    board.setStrokes({line(0)});
    const sf::Image picture = image();
    EXPECT_EQ(visible(picture), (Visible{false, true, false}));
    EXPECT_EQ(picture.getPixel(20, 110), sf::Color::Red);
    EXPECT_EQ(board.getStrokeCount(), 1u);
    EXPECT_EQ(board.getLastStroke()[0].position, sf::Vector2f(-80, 0));
}

TEST_F(ShowingBoardTest, IgnoresEveryEvent)
{
    const sf::Image before = image();
    board.setOnStrokeFinished([](DrawingBoard&) { FAIL() << "no stroke may finish"; });
    for (const sf::Event& e : {events::press(100, 60), events::move(120, 60), events::release(120, 60),
                               events::key(sf::Keyboard::Space)})
        board.handleEvent(e);
    EXPECT_EQ(board.getStrokeCount(), 3u);
    EXPECT_EQ(image().getPixel(110, 60), before.getPixel(110, 60));
}

TEST_F(ShowingBoardTest, EmptyBoardOrEmptyStrokeDrawsOnlyThePicture)
{
    board.setStrokes({});
    board.showNextStroke();
    EXPECT_EQ(rendering::count(image(), sf::Color::White), 200 * 200);

    board.setStrokes({sf::VertexArray(sf::LineStrip), line(0)});
    EXPECT_EQ(rendering::count(image(), sf::Color::White), 200 * 200);
    board.showNextStroke();
    EXPECT_EQ(visible(image()), (Visible{false, true, false}));
}
