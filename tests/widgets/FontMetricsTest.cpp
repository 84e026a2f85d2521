#include "widgets/FontMetrics.hpp"
#include "widgets/ResourceHolder.hpp"
#include "widgets/ResourceIds.hpp"
#include "widgets/TextFitter.hpp"

#include "support/TestDirectory.hpp"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace
{
const std::vector<std::pair<int, std::string>> heldFonts = {
    {FontId::MoboBold, "fonts/MOBO_Bold.otf"},
    {FontId::ShipporiGothicB2OtfBold, "fonts/ShipporiGothicB2-OTF-Bold.otf"}};

// The fields of the teaching material's data files ("a|b|c" lines, "#"
// comments), read as the generator reads them.
std::vector<sf::String> dataFields(const std::string& file)
{
    std::ifstream in(TestDirectory::sourceDir() + "/tools/data/" + file);
    std::vector<sf::String> fields;
    std::string line;
    while (std::getline(in, line))
    {
        if (line.empty() || line[0] == '#')
            continue;
        std::size_t start = 0;
        for (std::size_t bar = line.find('|'); start <= line.size(); bar = line.find('|', start))
        {
            const std::string field = line.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
            fields.push_back(sf::String::fromUtf8(field.begin(), field.end()));
            if (bar == std::string::npos)
                break;
            start = bar + 1;
        }
    }
    return fields;
}

std::set<sf::Uint32> materialCharacters()
{
    std::set<sf::Uint32> characters;
    for (const char* file : {"kanji.txt", "words.txt"})
        for (const sf::String& field : dataFields(file))
            for (const sf::Uint32 c : field)
                characters.insert(c);
    for (sf::Uint32 c = 32; c < 127; ++c)
        characters.insert(c);
    return characters;
}

const FontMetrics& metrics(int id)
{
    return FontMetricsHolder::getInstance()->get(id);
}
} // namespace

// Every character of the material, alone, doubled, after a space and on a
// second line, at sizes across the range the labels use: the bounds match
// sf::Text's to the last bit.
TEST(FontMetricsTest, BoundsMatchSfmlForEveryCharacterOfTheMaterial)
{
    const std::set<sf::Uint32> characters = materialCharacters();
    ASSERT_GT(characters.size(), 200u);
    for (const auto& [id, path] : heldFonts)
        for (const unsigned size : {1u, 2u, 3u, 5u, 8u, 13u, 15u, 21u, 34u, 55u, 70u, 89u, 140u})
        {
            // A fresh font per size keeps its glyph pages from piling up.
            sf::Font font;
            ASSERT_TRUE(font.loadFromFile(path));
            for (const sf::Uint32 c : characters)
            {
                const sf::String string = sf::String(c) + c + " \n" + c;
                const sf::Text text(string, font, size);
                ASSERT_EQ(metrics(id).localBounds(string, size), text.getLocalBounds())
                    << "font " << id << ", size " << size << ", character " << c;
            }
        }
}

TEST(FontMetricsTest, BoundsMatchSfmlForLabelsWithBreaksTabsAndReturns)
{
    const std::vector<sf::String> labels = {
        L"", L" ", L"\n", L"Meaning: 100%\n\nKunyomi: 20%\n\nOnyomi: 0%\n\nDrawing: 5%", L"JLPT N5\nKanji: 3/103\nWords: 0/294",
        L"Tarrow Mode", L"a\tb\r\nc  ", L"  leading and trailing  ", L"\u5341\u4E00\u6708 \u3058\u3085\u3046"};
    for (const auto& [id, path] : heldFonts)
    {
        sf::Font font;
        ASSERT_TRUE(font.loadFromFile(path));
        for (const sf::String& label : labels)
            for (const unsigned size : {4u, 16u, 33u, 70u})
                EXPECT_EQ(metrics(id).localBounds(label, size), sf::Text(label, font, size).getLocalBounds())
                    << "font " << id << ", size " << size << ", label " << label.toAnsiString();
    }
}

TEST(FontMetricsTest, AnswersOnlyForPlainTextInAHeldFont)
{
    const sf::Font& held = FontHolder::getInstance()->get(FontId::MoboBold);
    EXPECT_EQ(FontMetrics::of(&held), &metrics(FontId::MoboBold));
    EXPECT_EQ(FontMetrics::of(nullptr), nullptr);
    sf::Font copy;
    ASSERT_TRUE(copy.loadFromFile("fonts/MOBO_Bold.otf"));
    EXPECT_EQ(FontMetrics::of(&copy), nullptr);

    sf::Text text(L"x", held, 30);
    EXPECT_TRUE(FontMetrics::canMeasure(text));
    text.setStyle(sf::Text::Bold);
    EXPECT_FALSE(FontMetrics::canMeasure(text));
    text.setStyle(sf::Text::Regular);
    text.setOutlineThickness(1);
    EXPECT_FALSE(FontMetrics::canMeasure(text));
    text.setOutlineThickness(0);
    text.setLineSpacing(1.5f);
    EXPECT_FALSE(FontMetrics::canMeasure(text));
    EXPECT_FALSE(FontMetrics::canMeasure(sf::Text(L"x", copy, 30)));
}

TEST(FontMetricsTest, MissingFileDoesNotLoad)
{
    FontMetrics missing;
    EXPECT_FALSE(missing.loadFromFile("fonts/no-such-font.otf"));
    EXPECT_EQ(missing.localBounds(L"x", 20).width, 0.f);
}

// Fitting through the metrics (held font) and through sf::Text (a copy of
// the same font, not held) ends at the same string and size, for the
// longest texts of the material in the shapes the screens give them.
TEST(FontMetricsTest, FittingGivesTheSameLabelsAsMeasuringThroughSfml)
{
    std::vector<sf::String> fields = dataFields("words.txt");
    const std::vector<sf::String> kanjiFields = dataFields("kanji.txt");
    fields.insert(fields.end(), kanjiFields.begin(), kanjiFields.end());
    std::stable_sort(fields.begin(), fields.end(),
                     [](const sf::String& a, const sf::String& b) { return a.getSize() > b.getSize(); });
    fields.resize(12);
    fields.push_back(L"\u5341\u4E00\u6708");

    struct Shape
    {
        int font;
        unsigned startSize;
        sf::Vector2i area;
    };
    // A long answer button, a short one and the question sign.
    const std::vector<Shape> shapes = {{FontId::MoboBold, 70, {220, 120}},
                                       {FontId::MoboBold, 70, {140, 120}},
                                       {FontId::ShipporiGothicB2OtfBold, 140, {220, 200}}};
    for (const Shape& shape : shapes)
    {
        sf::Font copy;
        ASSERT_TRUE(copy.loadFromFile(heldFonts[static_cast<std::size_t>(shape.font)].second));
        const double ratio = TextFitter::areaRatio(shape.area.x);
        for (const sf::String& field : fields)
        {
            sf::Text measured(L"", FontHolder::getInstance()->get(shape.font)), reference(L"", copy);
            for (sf::Text* text : {&measured, &reference})
            {
                text->setPosition(400.f, 300.f);
                TextFitter::fit(*text, field, shape.startSize, shape.area, ratio);
            }
            EXPECT_EQ(measured.getString(), reference.getString()) << field.toAnsiString();
            EXPECT_EQ(measured.getCharacterSize(), reference.getCharacterSize()) << field.toAnsiString();
        }
    }
}
