#include "widgets/TextFitter.hpp"

#include "widgets/FontMetrics.hpp"

namespace
{
// The smallest size that the fitting lowers to: a picture too small for any
// text must not keep it lowering for ever.
const unsigned int smallestSize = 1;
const unsigned int shrinkFloor = 15;

// The bounds the text would have with a given string and size. A text in a
// held font is measured from the font file, so that sizes merely tried
// leave no glyph pages behind; any other goes through sf::Text itself.
class Measure
{
public:
    explicit Measure(sf::Text& text)
        : text(text),
          metrics(FontMetrics::canMeasure(text) ? FontMetrics::of(text.getFont()) : nullptr)
    {
    }

    sf::FloatRect bounds(const sf::String& string, unsigned int size) const
    {
        if (metrics)
            return text.getTransform().transformRect(metrics->localBounds(string, size));
        text.setString(string);
        text.setCharacterSize(size);
        return text.getGlobalBounds();
    }

private:
    sf::Text& text;
    const FontMetrics* metrics;
};

bool fits(const sf::FloatRect& bounds, double maxWidth, double maxHeight)
{
    return bounds.width <= maxWidth && bounds.height <= maxHeight;
}

bool strictlyInside(const sf::FloatRect& bounds, double maxWidth, double maxHeight)
{
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
    const Measure measure(text);
    unsigned int size = startSize;

    while (size > shrinkFloor && !fits(measure.bounds(string, size), maxWidth, maxHeight))
        --size;

    while (!fits(measure.bounds(string, size), maxWidth, maxHeight))
    {
        const std::size_t spaces = countSpaces(string);
        if (spaces == 0)
        {
            if (size <= smallestSize)
                break;
            --size;
            continue;
        }

        breakAtSpace(string, spaces / 2);

        bool grown = false;
        while (strictlyInside(measure.bounds(string, size), maxWidth, maxHeight))
        {
            ++size;
            grown = true;
        }
        if (grown)
            --size;
    }

    text.setString(string);
    text.setCharacterSize(size);
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
