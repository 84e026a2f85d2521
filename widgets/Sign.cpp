#include "widgets/Sign.hpp"

#include "widgets/Common.hpp"
#include "widgets/ResourceHolder.hpp"
#include "widgets/ResourceIds.hpp"
#include "widgets/TextFitter.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

Sign::Sign()
    : textAreaRatio(0)
{
    text.setFont(FontHolder::getInstance()->get(FontId::MoboBold));
    characterSize = 70;
}

void Sign::draw(sf::RenderTarget& target, sf::RenderStates states) const
{
    target.draw(sprite, states);
    target.draw(text, states);
}

void Sign::setTexture(const sf::Texture& texture)
{
    sprite.setTexture(texture);
    const sf::IntRect rect = sprite.getTextureRect();
    sprite.setOrigin(static_cast<float>(rect.width / 2), static_cast<float>(rect.height / 2));
    textAreaRatio = TextFitter::areaRatio(rect.width);
}

void Sign::setPosition(double x, double y)
{
    sprite.setPosition(static_cast<float>(x), static_cast<float>(y));
}

void Sign::setPosition(float x, float y)
{
    setPosition(static_cast<double>(x), static_cast<double>(y));
}

void Sign::setText(sf::String string, bool keepSize)
{
    if (keepSize)
    {
        text.setString(string);
    }
    else
    {
        const sf::IntRect rect = sprite.getTextureRect();
        TextFitter::fit(text, string, characterSize, sf::Vector2i(rect.width, rect.height), textAreaRatio);
    }
    TextFitter::centre(text, sprite.getPosition());
}

sf::String Sign::getText() const
{
    return sf::String(text.getString().toWideString());
}

sf::FloatRect Sign::getBounds() const
{
    return sprite.getGlobalBounds();
}

void Sign::setTextColor(sf::Color color)
{
    text.setFillColor(color);
}

void Sign::setColor(sf::Color color)
{
    sprite.setColor(color);
}

void Sign::setFont(const sf::Font& font)
{
    text.setFont(font);
}

void Sign::setCharacterSize(unsigned int size)
{
    characterSize = size;
}
