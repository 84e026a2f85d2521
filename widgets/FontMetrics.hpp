#pragma once
// Text measurement straight from a font file, for fitting labels. sf::Font
// measures a glyph only by rendering it into a texture page of that
// character size, and keeps every page for good: trying fifty sizes to fit
// one label costs fifty pages, which under software rendering is slow and
// large. This reads the same numbers from FreeType, loading each glyph the
// way sf::Font does, and keeps only a few floats per glyph and size.

#include <SFML/Config.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/String.hpp>

#include <map>
#include <memory>
#include <string>
#include <utility>

namespace sf
{
class Font;
class Text;
} // namespace sf

class FontMetrics
{
public:
    FontMetrics();
    ~FontMetrics();
    FontMetrics(const FontMetrics&) = delete;
    FontMetrics& operator=(const FontMetrics&) = delete;

    bool loadFromFile(const std::string& path);

    // The metrics of a font held by the font holder, from the same file;
    // null for any other font.
    static const FontMetrics* of(const sf::Font* font);

    // Whether localBounds answers for this text: its font is a held one and
    // it is drawn plainly (regular style, no outline, normal spacing).
    static bool canMeasure(const sf::Text& text);

    // The local bounds sf::Text reports for the string at the size, drawn
    // plainly.
    sf::FloatRect localBounds(const sf::String& string, unsigned int size) const;

private:
    struct Glyph
    {
        float advance = 0;
        sf::FloatRect bounds;
    };

    const Glyph& glyph(sf::Uint32 codePoint, unsigned int size) const;
    Glyph loadGlyph(sf::Uint32 codePoint, unsigned int size) const;
    float kerning(sf::Uint32 first, sf::Uint32 second, unsigned int size) const;
    float lineSpacing(unsigned int size) const;
    bool setSize(unsigned int size) const;

    struct FreeType;
    std::unique_ptr<FreeType> freeType;
    mutable unsigned int currentSize = 0;
    mutable std::map<std::pair<unsigned int, sf::Uint32>, Glyph> glyphs;
    mutable std::map<unsigned int, float> lineSpacings;
};
