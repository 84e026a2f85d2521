#pragma once
// Readers of the three teaching texts, apart from the stores that keep
// their records, so that they can be checked on any text. Each reads up to
// a line "#" or the end of the text, whichever comes first.

#include "study/Kanji.hpp"
#include "study/Word.hpp"

#include <SFML/Graphics/VertexArray.hpp>

#include <string>
#include <vector>

// The model strokes of one kanji, as its stroke text gives them.
struct StrokeRecord
{
    std::wstring character;
    std::vector<sf::VertexArray> strokes;
};

// Kanji text: character, meaning, on'yomi lines, a blank line, kun'yomi
// lines, "ーーーー". Records come in text order, every score at -1.
std::vector<Kanji> readKanjiRecords(const std::wstring& text, int grade);

// Stroke text: character, then one "x,y;x,y;..." line per stroke, then a
// blank line. Points that are not two numbers and strokes without a single
// point are left out.
std::vector<StrokeRecord> readStrokeRecords(const std::wstring& text);

// Word text: word, reading, meaning, separator. A record cut short before
// its meaning ends the reading. Records come in text order, scores at -1.
std::vector<Word> readWordRecords(const std::wstring& text, int grade);
