#include "widgets/FontMetrics.hpp"

#include "widgets/ResourceHolder.hpp"

#include <SFML/Graphics/Text.hpp>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_GLYPH_H
#include FT_OUTLINE_H

#include <algorithm>

struct FontMetrics::FreeType
{
    FT_Library library = nullptr;
    FT_Face face = nullptr;

    ~FreeType()
    {
        if (face)
            FT_Done_Face(face);
        if (library)
            FT_Done_FreeType(library);
    }
};

namespace
{
float fromSixtyFourths(FT_Pos value)
{
    return static_cast<float>(value) / static_cast<float>(1 << 6);
}

// Whether rendering the loaded glyph gives a bitmap with pixels, which is
// when sf::Font gives it bounds. Only a glyph under a pixel in width or
// height needs the actual rendering to tell.
bool rendersPixels(FT_GlyphSlot slot)
{
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE)
    {
        if (slot->outline.n_points == 0)
            return false;
        FT_BBox box;
        FT_Outline_Get_CBox(&slot->outline, &box);
        if (box.xMax - box.xMin >= 64 && box.yMax - box.yMin >= 64)
            return true;
    }
    FT_Glyph glyph = nullptr;
    if (FT_Get_Glyph(slot, &glyph) != 0)
        return false;
    bool pixels = false;
    if (FT_Glyph_To_Bitmap(&glyph, FT_RENDER_MODE_NORMAL, nullptr, 1) == 0)
    {
        const FT_Bitmap& bitmap = reinterpret_cast<FT_BitmapGlyph>(glyph)->bitmap;
        pixels = bitmap.width > 0 && bitmap.rows > 0;
    }
    FT_Done_Glyph(glyph);
    return pixels;
}
} // namespace

FontMetrics::FontMetrics()
    : freeType(std::make_unique<FreeType>())
{
}

FontMetrics::~FontMetrics() = default;

bool FontMetrics::loadFromFile(const std::string& path)
{
    freeType = std::make_unique<FreeType>();
    glyphs.clear();
    lineSpacings.clear();
    currentSize = 0;
    if (FT_Init_FreeType(&freeType->library) != 0)
        return false;
    if (FT_New_Face(freeType->library, path.c_str(), 0, &freeType->face) != 0)
        return false;
    return FT_Select_Charmap(freeType->face, FT_ENCODING_UNICODE) == 0;
}

const FontMetrics* FontMetrics::of(const sf::Font* font)
{
    // A font holder not created yet holds no font.
    const FontHolder* fonts = FontHolder::existingInstance();
    if (!font || !fonts)
        return nullptr;
    const int id = fonts->find(*font);
    return id < 0 ? nullptr : &FontMetricsHolder::getInstance()->get(id);
}

bool FontMetrics::canMeasure(const sf::Text& text)
{
    return text.getStyle() == sf::Text::Regular && text.getOutlineThickness() == 0 &&
           text.getLetterSpacing() == 1 && text.getLineSpacing() == 1 && of(text.getFont()) != nullptr;
}

bool FontMetrics::setSize(unsigned int size) const
{
    if (!freeType->face)
        return false;
    if (size != currentSize)
    {
        if (FT_Set_Pixel_Sizes(freeType->face, 0, size) != 0)
            return false;
        currentSize = size;
    }
    return true;
}

// As sf::Font loads a glyph: auto-hinted, and bounds only for a glyph that
// renders to pixels.
FontMetrics::Glyph FontMetrics::loadGlyph(sf::Uint32 codePoint, unsigned int size) const
{
    Glyph loaded;
    if (!setSize(size) || FT_Load_Char(freeType->face, codePoint, FT_LOAD_TARGET_NORMAL | FT_LOAD_FORCE_AUTOHINT) != 0)
        return loaded;
    const FT_GlyphSlot slot = freeType->face->glyph;
    loaded.advance = fromSixtyFourths(slot->metrics.horiAdvance);
    if (rendersPixels(slot))
    {
        loaded.bounds.left = fromSixtyFourths(slot->metrics.horiBearingX);
        loaded.bounds.top = -fromSixtyFourths(slot->metrics.horiBearingY);
        loaded.bounds.width = fromSixtyFourths(slot->metrics.width);
        loaded.bounds.height = fromSixtyFourths(slot->metrics.height);
    }
    return loaded;
}

const FontMetrics::Glyph& FontMetrics::glyph(sf::Uint32 codePoint, unsigned int size) const
{
    const auto key = std::make_pair(size, codePoint);
    auto found = glyphs.find(key);
    if (found == glyphs.end())
        found = glyphs.emplace(key, loadGlyph(codePoint, size)).first;
    return found->second;
}

float FontMetrics::kerning(sf::Uint32 first, sf::Uint32 second, unsigned int size) const
{
    if (first == 0 || second == 0 || !freeType->face || !FT_HAS_KERNING(freeType->face) || !setSize(size))
        return 0.f;
    FT_Vector kerning;
    FT_Get_Kerning(freeType->face, FT_Get_Char_Index(freeType->face, first),
                   FT_Get_Char_Index(freeType->face, second), FT_KERNING_DEFAULT, &kerning);
    if (!FT_IS_SCALABLE(freeType->face))
        return static_cast<float>(kerning.x);
    return fromSixtyFourths(kerning.x);
}

float FontMetrics::lineSpacing(unsigned int size) const
{
    auto found = lineSpacings.find(size);
    if (found == lineSpacings.end())
    {
        const float spacing = setSize(size) ? fromSixtyFourths(freeType->face->size->metrics.height) : 0.f;
        found = lineSpacings.emplace(size, spacing).first;
    }
    return found->second;
}

// The walk sf::Text makes over its string to find its bounds, for the plain
// style: the same steps in the same float arithmetic.
sf::FloatRect FontMetrics::localBounds(const sf::String& string, unsigned int size) const
{
    if (string.isEmpty())
        return sf::FloatRect();

    const float whitespaceWidth = glyph(U' ', size).advance;
    const float spacing = lineSpacing(size);
    float x = 0.f;
    float y = static_cast<float>(size);
    float minX = static_cast<float>(size);
    float minY = static_cast<float>(size);
    float maxX = 0.f;
    float maxY = 0.f;
    sf::Uint32 previous = 0;
    for (std::size_t i = 0; i < string.getSize(); ++i)
    {
        const sf::Uint32 current = string[i];
        if (current == U'\r')
            continue;
        x += kerning(previous, current, size);
        previous = current;

        if (current == U' ' || current == U'\n' || current == U'\t')
        {
            minX = std::min(minX, x);
            minY = std::min(minY, y);
            if (current == U' ')
                x += whitespaceWidth;
            else if (current == U'\t')
                x += whitespaceWidth * 4;
            else
            {
                y += spacing;
                x = 0;
            }
            maxX = std::max(maxX, x);
            maxY = std::max(maxY, y);
            continue;
        }

        const Glyph& shape = glyph(current, size);
        const float left = shape.bounds.left;
        const float top = shape.bounds.top;
        const float right = shape.bounds.left + shape.bounds.width;
        const float bottom = shape.bounds.top + shape.bounds.height;
        minX = std::min(minX, x + left);
        maxX = std::max(maxX, x + right);
        minY = std::min(minY, y + top);
        maxY = std::max(maxY, y + bottom);
        x += shape.advance;
    }
    return sf::FloatRect(minX, minY, maxX - minX, maxY - minY);
}
