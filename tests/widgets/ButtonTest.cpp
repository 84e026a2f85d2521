#include "widgets/Button.hpp"

#include "widgets/Common.hpp"
#include "widgets/Helpers.hpp"
#include "widgets/Rendering.hpp"
#include "widgets/SyntheticEvents.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace
{
// A 300 x 100 face over a base of the same size, the base centred at
// (400, 300). Settled, the face's box spans x 250..550 and y 240..340
// (edges outside). The face texture is white and the base's transparent,
// so the face shows its own colour and where its top edge is.
class ButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        rendering::fill(top, 300, 100, sf::Color::White);
        rendering::fill(bottom, 300, 100, sf::Color::Transparent);
        button.setBottomTexture(bottom);
        button.setTopTexture(top);
        button.setColor(sf::Color::White);
        button.setPosition(400.0, 300.0);
        button.setOnPress([this](Button& b) {
            ++presses;
            EXPECT_EQ(&b, &button);
        });
        button.setOnRelease([this](Button& b) {
            ++releases;
            EXPECT_EQ(&b, &button);
        });
        for (sf::Sound* sound : {&pressSound, &releaseSound, &hoverSound})
            sound->stop();
    }

    void send(const sf::Event& event)
    {
        button.handleEvent(event);
    }

    void frames(int count)
    {
        for (int i = 0; i < count; ++i)
            button.update();
    }

    sf::Image image() const
    {
        return rendering::render(button, 800, 600, sf::Color::Black);
    }

    // The first window row of the middle column with a pixel the test picks.
    int firstRow(const std::function<bool(sf::Color)>& picked) const
    {
        const sf::Image picture = image();
        for (unsigned y = 0; y < 600; ++y)
            if (picked(picture.getPixel(400, y)))
                return static_cast<int>(y);
        return -1;
    }

    int faceTop() const
    {
        return firstRow([](sf::Color c) { return c != sf::Color::Black; });
    }

    // The red label over the white face and the black window.
    static bool red(sf::Color c)
    {
        return c.r > 0 && c.g < 255;
    }

    // Where the face settles for a given raise height.
    static int settledTop(int raise)
    {
        return 300 - raise - 50;
    }

    sf::Color faceColor() const
    {
        return image().getPixel(260, 320);
    }

    static bool playing(const sf::Sound& sound)
    {
        return sound.getStatus() == sf::Sound::Playing;
    }

    sf::Texture top;
    sf::Texture bottom;
    Button button;
    int presses = 0;
    int releases = 0;
};
} // namespace

TEST_F(ButtonTest, HoverRaisesToEightWithASound)
{
    EXPECT_EQ(faceTop(), settledTop(10));
    send(events::move(250, 300)); // on the left edge: outside
    EXPECT_FALSE(playing(hoverSound));
    send(events::move(251, 300));
    EXPECT_TRUE(playing(hoverSound));
    frames(60);
    EXPECT_EQ(faceTop(), settledTop(8));

    // Moving inside again plays nothing; leaving goes back to ten.
    hoverSound.stop();
    send(events::move(300, 300));
    EXPECT_FALSE(playing(hoverSound));
    send(events::move(300, 400));
    frames(60);
    EXPECT_EQ(faceTop(), settledTop(10));
}

TEST_F(ButtonTest, FaceEasesAFifthOfTheWayPerFrame)
{
    send(events::press(400, 300));
    EXPECT_EQ(faceTop(), settledTop(0)); // dropped flat at once
    send(events::release(400, 500));     // outside: back towards 10
    double height = 0;
    for (int frame = 1; frame <= 18; ++frame)
    {
        button.update();
        height += (10 - height) / 5;
        const double edge = 300 - height - 50;
        ASSERT_EQ(faceTop(), static_cast<int>(std::ceil(edge - 0.5))) << "frame " << frame;
    }
    EXPECT_GT(height, 9.8);

    button.resetRaise();
    EXPECT_EQ(faceTop(), settledTop(10));
}

TEST_F(ButtonTest, PressInsideReleaseOutsideStillCallsOnRelease)
{
    send(events::press(400, 300));
    EXPECT_TRUE(playing(pressSound));
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(releases, 0);
    frames(60);
    EXPECT_EQ(faceTop(), settledTop(2));

    // While pressed, moves change nothing and play no hover sound.
    send(events::move(420, 310));
    send(events::move(700, 500));
    send(events::press(400, 300));
    send(events::release(400, 300, sf::Mouse::Right));
    EXPECT_FALSE(playing(hoverSound));
    EXPECT_EQ(presses, 1);
    frames(60);
    EXPECT_EQ(faceTop(), settledTop(2));

    send(events::release(700, 500));
    EXPECT_TRUE(playing(releaseSound));
    EXPECT_EQ(releases, 1);
    frames(60);
    EXPECT_EQ(faceTop(), settledTop(10));

    // A release without a press does nothing.
    releaseSound.stop();
    send(events::release(400, 300));
    EXPECT_FALSE(playing(releaseSound));
    EXPECT_EQ(releases, 1);
}

TEST_F(ButtonTest, ReleaseInsideTheSunkenFaceHovers)
{
    // The box follows the face: sunk flat it spans y 250..350, so a release
    // at y 345 is inside it although the settled box ends at 340.
    send(events::press(400, 335));
    send(events::release(400, 345));
    EXPECT_EQ(releases, 1);
    frames(60);
    EXPECT_EQ(faceTop(), settledTop(8));

    // Hover state was not touched by the press: the next move inside plays
    // the hover sound again.
    send(events::move(400, 300));
    EXPECT_TRUE(playing(hoverSound));
}

TEST_F(ButtonTest, OnlyLeftPressesInsideTheBoxCount)
{
    send(events::press(400, 300, sf::Mouse::Right));
    send(events::press(550, 300));
    send(events::press(400, 240));
    send(events::press(400, 340));
    EXPECT_EQ(presses, 0);
    EXPECT_FALSE(playing(pressSound));
    send(events::press(549, 339));
    EXPECT_EQ(presses, 1);
    send(events::key(sf::Keyboard::Return));
    EXPECT_EQ(releases, 0);
}

TEST_F(ButtonTest, ColourFadesATenthPerFrameAndStopsShort)
{
    button.setColor(Palette::Neutral);
    frames(5);
    EXPECT_EQ(faceColor(), Palette::Neutral);

    button.setTargetColor(Palette::Correct);
    for (int red : {135, 122, 110, 99, 90, 81})
    {
        button.update();
        EXPECT_EQ(faceColor(), sf::Color(red, 150, red));
    }
    frames(100);
    EXPECT_EQ(faceColor(), sf::Color(9, 150, 9));

    // Upwards the same: 0 towards 150 stops at 141.
    button.setColor(sf::Color(0, 0, 0, 255));
    button.setTargetColor(sf::Color(150, 150, 150, 255));
    button.update();
    EXPECT_EQ(faceColor(), sf::Color(15, 15, 15));
    frames(100);
    EXPECT_EQ(faceColor(), sf::Color(141, 141, 141));
}

TEST_F(ButtonTest, LabelIsFittedIntoTheFaceAndKeepsItsBreaks)
{
    button.setText(L"Hi", false);
    EXPECT_EQ(button.getText(), L"Hi");

    // Far too wide for one line of a 260-pixel text area.
    button.setText(L"The quick brown fox jumps over the lazy dog again", false);
    EXPECT_NE(button.getText().find(L'\n'), std::wstring::npos);
    EXPECT_EQ(newlinesToSpaces(button.getText()), L"The quick brown fox jumps over the lazy dog again");

    // The label sits inside the face's text area, centred on the face.
    button.setTextColor(sf::Color::Red);
    const sf::IntRect label = rendering::bounds(image(), red);
    EXPECT_GE(label.left, 250 + 20 - 1);
    EXPECT_LE(label.left + label.width - 1, 550 - 20 + 1);
    EXPECT_NEAR(label.left + (label.width - 1) / 2.0, 400.0, 2.0);
    EXPECT_NEAR(label.top + (label.height - 1) / 2.0, 290.0, 3.0);
}

TEST_F(ButtonTest, LabelFollowsTheFaceAtUpdate)
{
    button.setTextColor(sf::Color::Red);
    button.setText(L"I", false);
    auto labelTop = [this] { return firstRow([](sf::Color c) { return red(c); }); };
    const int settled = labelTop();
    button.setPosition(400.0, 350.0);
    EXPECT_EQ(labelTop(), settled);
    button.update();
    EXPECT_EQ(labelTop(), settled + 50);
}

TEST(ButtonFaceTest, NarrowFaceDoesNotHang)
{
    sf::Texture narrow;
    rendering::fill(narrow, 40, 40, sf::Color::White);
    Button button;
    button.setTopTexture(narrow);
    button.setText(L"two words", false);
    EXPECT_EQ(button.getText(), L"two\nwords");

    // A fresh button without a face texture does not hang either.
    Button bare;
    bare.setText(L"label", false);
    EXPECT_EQ(bare.getText(), L"label");
}
