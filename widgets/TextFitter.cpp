#include "widgets/TextFitter.hpp"

namespace
{
// The smallest size that the fitting lowers to: a picture too small for any
// text must not keep it lowering for ever.
const unsigned int smallestSize = 1;
const unsigned int shrinkFloor = 15;

bool fits(const sf::Text& text, double maxWidth, double maxHeight)
{
    const sf::FloatRect bounds = text.getGlobalBounds();
    return bounds.width <= maxWidth && bounds.height <= maxHeight;
}

bool strictlyInside(const sf::Text& text, double maxWidth, double maxHeight)
{
    const sf::FloatRect bounds = text.getGlobalBounds();
    return bounds.width < maxWidth && bounds.height < maxHeight;
}

std::size_t countSpaces(const sf::String& string)
{
    std::size_t count = 0;
    for (std::size_t i = 0; i < string.getSize(); ++i)
        if (string[i] == U' ')
            ++count;
    return count;
}

// Turns the space with the given zero-based index among the spaces into a newline.
void breakAtSpace(sf::String& string, std::size_t spaceIndex)
{
    for (std::size_t i = 0; i < string.getSize(); ++i)
    {
        if (string[i] != U' ')
            continue;
        if (spaceIndex == 0)
        {
            string[i] = U'\n';
            return;
        }
        --spaceIndex;
    }
}
} // namespace

void TextFitter::fit(sf::Text& text, sf::String string, unsigned int startSize, sf::Vector2i area, double ratio)
{
    const double maxWidth = area.x * ratio;
    const double maxHeight = area.y * ratio;

    text.setString(string);
    text.setCharacterSize(startSize);

    while (text.getCharacterSize() > shrinkFloor && !fits(text, maxWidth, maxHeight))
        text.setCharacterSize(text.getCharacterSize() - 1);

    while (!fits(text, maxWidth, maxHeight))
    {
        const std::size_t spaces = countSpaces(string);
        if (spaces == 0)
        {
            if (text.getCharacterSize() <= smallestSize)
                return;
            text.setCharacterSize(text.getCharacterSize() - 1);
            continue;
        }

        breakAtSpace(string, spaces / 2);
        text.setString(string);

        bool grown = false;
        while (strictlyInside(text, maxWidth, maxHeight))
        {
            text.setCharacterSize(text.getCharacterSize() + 1);
            grown = true;
        }
        if (grown)
            text.setCharacterSize(text.getCharacterSize() - 1);
    }
}

double TextFitter::areaRatio(int width)
{
    return (width - 40.0) / width;
}

void TextFitter::centre(sf::Text& text, sf::Vector2f position)
{
    const sf::FloatRect global = text.getGlobalBounds();
    const sf::FloatRect local = text.getLocalBounds();
    text.setOrigin(local.left + global.width * 0.5f, local.top + global.height * 0.5f);
    text.setPosition(position);
}
