#include "study/TeachingTextReaders.hpp"

#include "widgets/Helpers.hpp"

#include <cerrno>
#include <climits>
#include <cwchar>
#include <set>
#include <sstream>

namespace
{
const std::wstring kanjiRecordEnd = L"\u30FC\u30FC\u30FC\u30FC";

// Lines up to (not including) the end line or the end of the text.
std::set<std::wstring> readLinesUntil(std::wistringstream& text, const std::wstring& end)
{
    std::set<std::wstring> lines;
    std::wstring line;
    while (std::getline(text, line) && line != end)
        lines.insert(line);
    return lines;
}

// Reads a number as the standard conversions do (leading blanks, a sign,
// digits, the rest ignored), refusing what they would throw on.
bool parseInt(const std::wstring& piece, int& value)
{
    const wchar_t* begin = piece.c_str();
    wchar_t* end = nullptr;
    errno = 0;
    const long number = std::wcstol(begin, &end, 10);
    if (end == begin || errno == ERANGE || number < INT_MIN || number > INT_MAX)
        return false;
    value = static_cast<int>(number);
    return true;
}

// "x,y;x,y;..." in board-centre coordinates; the last ";" may be missing.
// A point that does not hold two numbers is left out rather than trusted.
sf::VertexArray parseStroke(const std::wstring& line)
{
    sf::VertexArray stroke(sf::LineStrip);
    for (const auto& point : split(line, L';'))
    {
        const auto coordinates = split(point, L',');
        int x = 0;
        int y = 0;
        if (coordinates.size() >= 2 && parseInt(coordinates[0], x) && parseInt(coordinates[1], y))
            stroke.append(sf::Vertex(sf::Vector2f(static_cast<float>(x), static_cast<float>(y))));
    }
    return stroke;
}
} // namespace

std::vector<Kanji> readKanjiRecords(const std::wstring& text, int grade)
{
    std::vector<Kanji> records;
    std::wistringstream stream(text);
    std::wstring line;
    // The end of the text stops the reader as well as "#": a text that lost
    // its end mark must not hang the start.
    while (std::getline(stream, line) && line != L"#")
    {
        Kanji record;
        record.setGrade(grade);
        record.setCharacter(line);
        std::wstring meaning;
        std::getline(stream, meaning);
        record.setMeaning(meaning);
        record.setOnyomi(readLinesUntil(stream, L""));
        record.setKunyomi(readLinesUntil(stream, kanjiRecordEnd));
        record.setMeaningScore(-1);
        record.setKunyomiScore(-1);
        record.setOnyomiScore(-1);
        record.setDrawingScore(-1);
        records.push_back(record);
    }
    return records;
}

std::vector<StrokeRecord> readStrokeRecords(const std::wstring& text)
{
    std::vector<StrokeRecord> records;
    std::wistringstream stream(text);
    std::wstring line;
    while (std::getline(stream, line) && line != L"#")
    {
        StrokeRecord record{line, {}};
        while (std::getline(stream, line) && !line.empty())
        {
            // A line without a single valid point is no stroke anyone could draw.
            sf::VertexArray stroke = parseStroke(line);
            if (stroke.getVertexCount() > 0)
                record.strokes.push_back(stroke);
        }
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<Word> readWordRecords(const std::wstring& text, int grade)
{
    std::vector<Word> records;
    std::wistringstream stream(text);
    std::wstring line;
    // The text should end with "#"; its plain end stops the reading as well.
    while (std::getline(stream, line) && line != L"#")
    {
        Word word;
        word.setGrade(grade);
        word.setWord(line);
        std::wstring reading;
        std::wstring meaning;
        std::wstring separator;
        if (!std::getline(stream, reading) || !std::getline(stream, meaning))
            break;
        std::getline(stream, separator);
        word.setReading(reading);
        word.setMeaning(meaning);
        word.setReadingScore(-1);
        word.setMeaningScore(-1);
        records.push_back(word);
    }
    return records;
}
