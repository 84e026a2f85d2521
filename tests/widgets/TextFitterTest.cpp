#include "widgets/TextFitter.hpp"

#include <SFML/Graphics/Font.hpp>
#include <gtest/gtest.h>

namespace
{
class TextFitterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(font.loadFromFile("fonts/MOBO_Bold.otf"));
        text.setFont(font);
    }

    float widthAt(const sf::String& string, unsigned int size)
    {
        sf::Text probe(string, font, size);
        return probe.getGlobalBounds().width;
    }

    // Fits the label into a box that is tall enough and exactly as wide as
    // the middle between its one-line width at 15 and the width of the
    // expected broken form, so that precisely one break is needed.
    void fitBetween(const sf::String& label, const sf::String& broken)
    {
        const float oneLine = widthAt(label, 15);
        const float afterBreak = widthAt(broken, 15);
        ASSERT_LT(afterBreak, oneLine);
        const int width = static_cast<int>((oneLine + afterBreak) / 2);
        TextFitter::fit(text, label, 70, sf::Vector2i(width, 2000), 1.0);
        area = sf::Vector2f(static_cast<float>(width), 2000);
    }

    bool fits() const
    {
        const sf::FloatRect bounds = text.getGlobalBounds();
        return bounds.width <= area.x && bounds.height <= area.y;
    }

    sf::Font font;
    sf::Text text;
    sf::Vector2f area;
};

std::wstring str(const sf::Text& text)
{
    return text.getString().toWideString();
}
} // namespace

TEST_F(TextFitterTest, KeepsAFittingLabelAtTheStartSize)
{
    TextFitter::fit(text, L"", 70, sf::Vector2i(300, 100), 260.0 / 300);
    EXPECT_EQ(text.getCharacterSize(), 70u);
    TextFitter::fit(text, L"Go on", 70, sf::Vector2i(600, 300), 0.9);
    EXPECT_EQ(text.getCharacterSize(), 70u);
    EXPECT_EQ(str(text), L"Go on");
}

TEST_F(TextFitterTest, ShrinksBeforeBreaking)
{
    // Fits on one line somewhere between 15 and 70: no break, and the
    // largest fitting size.
    const int width = static_cast<int>(widthAt(L"Go on now", 40));
    TextFitter::fit(text, L"Go on now", 70, sf::Vector2i(width, 1000), 1.0);
    EXPECT_EQ(str(text), L"Go on now");
    EXPECT_EQ(text.getCharacterSize(), 40u);
    // Shrinking stops at 15: a label that would fit at 14 is broken instead.
    TextFitter::fit(text, L"Go on now", 70, sf::Vector2i(static_cast<int>(widthAt(L"Go on now", 14)) + 1, 1000), 1.0);
    EXPECT_EQ(str(text), L"Go on\nnow");
}

TEST_F(TextFitterTest, BreaksAtTheSpaceWithIndexHalfTheCount)
{
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"aaaa bbbb", L"aaaa\nbbbb"},
        {L"aaaa bbbb cccc", L"aaaa bbbb\ncccc"},
        {L"aaaa bbbb cccc dddd", L"aaaa bbbb\ncccc dddd"},
        {L"aaaa bbbb cccc dddd eeee", L"aaaa bbbb cccc\ndddd eeee"},
    };
    for (const auto& c : cases)
    {
        fitBetween(c.first, c.second);
        EXPECT_EQ(str(text), c.second);
        // Regrown strictly: it fits, and one size more would not be strictly inside.
        EXPECT_GT(text.getCharacterSize(), 15u);
        EXPECT_TRUE(fits());
        EXPECT_GE(widthAt(c.second, text.getCharacterSize() + 1), area.x) << str(text);
    }
}

TEST_F(TextFitterTest, KeepsBreakingAtTheMiddleOfTheSpacesLeft)
{
    // Room for one letter per line only: every space becomes a newline.
    const int width = static_cast<int>(widthAt(L"W", 20));
    TextFitter::fit(text, L"a b c d e f g h", 70, sf::Vector2i(width, 5000), 1.0);
    EXPECT_EQ(str(text), L"a\nb\nc\nd\ne\nf\ng\nh");
}

TEST_F(TextFitterTest, OneWordShrinksBelowFifteen)
{
    TextFitter::fit(text, L"Supercalifragilistic", 70, sf::Vector2i(60, 1000), 1.0);
    EXPECT_LT(text.getCharacterSize(), 15u);
    EXPECT_GT(text.getCharacterSize(), 1u);
    EXPECT_LE(text.getGlobalBounds().width, 60.f);
    EXPECT_EQ(str(text), L"Supercalifragilistic");
}

TEST_F(TextFitterTest, HeightLimitUsesTheRatioToo)
{
    // 1000 wide but only 100 * 0.5 = 50 high.
    TextFitter::fit(text, L"Tall", 70, sf::Vector2i(1000, 100), 0.5);
    EXPECT_LE(text.getGlobalBounds().height, 50.f);
    EXPECT_LT(text.getCharacterSize(), 70u);
}

TEST_F(TextFitterTest, AnAreaWithNoRoomStillEnds)
{
    // A face of 40 pixels or less leaves a ratio of zero or below.
    TextFitter::fit(text, L"two words", 70, sf::Vector2i(40, 40), 0.0);
    EXPECT_EQ(str(text), L"two\nwords");
    EXPECT_EQ(text.getCharacterSize(), 1u);
    TextFitter::fit(text, L"x", 70, sf::Vector2i(30, 30), -10.0 / 30);
    EXPECT_EQ(text.getCharacterSize(), 1u);
    TextFitter::fit(text, L"x", 15, sf::Vector2i(0, 0), -1.0 / 0.0);
    EXPECT_EQ(text.getCharacterSize(), 1u);
}

TEST_F(TextFitterTest, CentresTheBoundsOnThePosition)
{
    TextFitter::fit(text, L"Centre me", 30, sf::Vector2i(1000, 1000), 1.0);
    TextFitter::centre(text, sf::Vector2f(400, 300));
    const sf::FloatRect bounds = text.getGlobalBounds();
    EXPECT_NEAR(bounds.left + bounds.width / 2, 400.f, 0.01f);
    EXPECT_NEAR(bounds.top + bounds.height / 2, 300.f, 0.01f);
}
