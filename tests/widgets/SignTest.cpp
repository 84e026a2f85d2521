#include "widgets/Sign.hpp"

#include "widgets/Rendering.hpp"
#include "widgets/ResourceHolder.hpp"
#include "widgets/ResourceIds.hpp"
#include "widgets/TextFitter.hpp"

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
// A white 460 x 100 picture centred at (300, 200); text area 420 x 91.3.
class SignTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        rendering::fill(picture, 460, 100, sf::Color::White);
        prepare(sign);
    }

    void prepare(Sign& s)
    {
        s.setTexture(picture);
        s.setPosition(300.0, 200.0);
        s.setTextColor(sf::Color::Red);
    }

    static sf::Image image(const sf::Drawable& drawable)
    {
        return rendering::render(drawable, 600, 400, sf::Color::Black);
    }

    // The sign as it should look with the given string at the given size.
    sf::Image expected(const sf::String& string, unsigned int size, const sf::Font& font)
    {
        sf::Sprite sprite(picture);
        sprite.setOrigin(230, 50);
        sprite.setPosition(300, 200);
        sf::Text text(string, font, size);
        text.setFillColor(sf::Color::Red);
        TextFitter::centre(text, sprite.getPosition());
        return rendering::render({sprite, text}, 600, 400, sf::Color::Black);
    }

    static bool same(const sf::Image& a, const sf::Image& b)
    {
        const auto bytes = 4u * a.getSize().x * a.getSize().y;
        return a.getSize() == b.getSize() && std::equal(a.getPixelsPtr(), a.getPixelsPtr() + bytes, b.getPixelsPtr());
    }

    static const sf::Font& font(int id)
    {
        return FontHolder::getInstance()->get(id);
    }

    sf::Texture picture;
    Sign sign;
};
} // namespace

// Each fitting starts again from the sign's character size, not from the
// size the last text ended at; keepSize leaves the size as it was.
TEST_F(SignTest, FittingStartsFromTheCharacterSizeAndKeepSizeKeepsIt)
{
    sign.setText(L"A", false);
    EXPECT_TRUE(same(image(sign), expected(L"A", 70, font(FontId::MoboBold))));
    sign.setText(L"A much longer text that has to shrink first and then break into two lines to fit in", false);
    EXPECT_NE(sign.getText().find(L"\n"), sf::String::InvalidPos);

    sign.setCharacterSize(80);
    sign.setText(L"A", false);
    EXPECT_TRUE(same(image(sign), expected(L"A", 80, font(FontId::MoboBold))));
    EXPECT_EQ(sign.getText(), L"A");

    sign.setCharacterSize(30);
    sign.setText(L"B", true);
    EXPECT_TRUE(same(image(sign), expected(L"B", 80, font(FontId::MoboBold))));
}

TEST_F(SignTest, PositionMovesOnlyThePictureUntilTheNextText)
{
    sign.setText(L"A", false);
    sign.setPosition(300.0f, 250.0f);
    sign.setPosition(300.0, 200.0);
    EXPECT_TRUE(same(image(sign), expected(L"A", 70, font(FontId::MoboBold))));

    sign.setPosition(300.0, 260.0);
    const sf::Image moved = image(sign);
    // The picture moved down by 60, the letter stayed centred at 200.
    EXPECT_EQ(moved.getPixel(100, 155), sf::Color::Black);
    EXPECT_EQ(moved.getPixel(100, 305), sf::Color::White);
    const sf::Image reference = expected(L"A", 70, font(FontId::MoboBold));
    int letterPixels = 0;
    for (unsigned x = 250; x < 350; ++x)
        for (unsigned y = 150; y < 250; ++y)
            if (reference.getPixel(x, y) == sf::Color::Red)
            {
                ++letterPixels;
                EXPECT_EQ(moved.getPixel(x, y), sf::Color::Red);
            }
    EXPECT_GT(letterPixels, 100);
}

TEST_F(SignTest, FontCanBeSwitched)
{
    sign.setFont(font(FontId::ShipporiGothicB2OtfBold));
    sign.setText(L"Ag", false);
    EXPECT_TRUE(same(image(sign), expected(L"Ag", 70, font(FontId::ShipporiGothicB2OtfBold))));
    EXPECT_FALSE(same(image(sign), expected(L"Ag", 70, font(FontId::MoboBold))));
}

TEST_F(SignTest, EmptyTextShowsThePicture)
{
    sign.setText(L"", false);
    EXPECT_TRUE(sign.getText().isEmpty());
    EXPECT_EQ(rendering::count(image(sign), sf::Color::White), 460 * 100);
}
