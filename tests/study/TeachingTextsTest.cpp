#include "study/TeachingTexts.hpp"
#include "widgets/Helpers.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cwctype>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <vector>

namespace
{
const std::wstring separator = L"ーーーー";

// Every line up to the end mark "#", which must be present.
std::vector<std::wstring> linesOf(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    std::wistringstream stream(text);
    std::wstring line;
    while (std::getline(stream, line) && line != L"#")
        lines.push_back(line);
    EXPECT_EQ(line, L"#") << "text ends before its end mark";
    return lines;
}

// A kanji record's lines are its meaning, on readings, "" and kun readings;
// a stroke record's are its stroke lines.
struct Record
{
    std::wstring character;
    std::vector<std::wstring> lines;
};

// The records of a text: a character line, then lines up to the end line.
std::vector<Record> recordsOf(const std::wstring& text, const std::wstring& end)
{
    std::vector<Record> records;
    const auto lines = linesOf(text);
    for (std::size_t i = 0; i < lines.size(); ++i)
    {
        records.push_back({lines[i++], {}});
        while (i < lines.size() && lines[i] != end)
            records.back().lines.push_back(lines[i++]);
        EXPECT_LT(i, lines.size()) << "record without its end line";
    }
    return records;
}

// Points of a stroke line "x,y;x,y;..."; empty when the line is not of that form.
std::vector<std::pair<long, long>> pointsOf(const std::wstring& line)
{
    if (!std::regex_match(line, std::wregex(L"(-?[0-9]+,-?[0-9]+;)+")))
        return {};
    std::vector<std::pair<long, long>> points;
    for (const auto& piece : split(line, L';'))
        points.push_back({std::stol(piece), std::stol(piece.substr(piece.find(L',') + 1))});
    return points;
}
}  // namespace

TEST(TeachingTexts, OnlyGradeFiveCarriesMaterialAndEveryTextEndsWithItsMark)
{
    for (auto* texts : {&kanjiTexts, &wordTexts, &strokeTexts})
    {
        ASSERT_EQ(texts->size(), 5u);
        for (int grade = 1; grade <= 4; ++grade)
            EXPECT_EQ(texts->at(grade), L"#");
        const std::wstring& text = texts->at(5);
        ASSERT_GT(text.size(), 2u);
        EXPECT_EQ(text.substr(text.size() - 2), L"\n#");
        EXPECT_EQ(text.find(L'\r'), std::wstring::npos);
    }
}

TEST(TeachingTexts, KanjiRecordsAreWellFormedAndMatchTheStrokeRecords)
{
    const auto kanji = recordsOf(kanjiTexts[5], separator);
    const auto strokes = recordsOf(strokeTexts[5], L"");
    ASSERT_EQ(kanji.size(), 103u);
    ASSERT_EQ(strokes.size(), 103u);

    std::set<std::wstring> meanings;
    std::set<std::uint64_t> keys;
    std::size_t strokeCount = 0;
    for (std::size_t i = 0; i < kanji.size(); ++i)
    {
        const auto& record = kanji[i];
        EXPECT_EQ(record.character.size(), 1u);
        EXPECT_TRUE(keys.insert(hashString(record.character)).second) << "repeated kanji key";
        EXPECT_EQ(strokes[i].character, record.character) << "record " << i;
        ASSERT_GE(record.lines.size(), 3u);
        EXPECT_TRUE(meanings.insert(record.lines[0]).second) << "repeated meaning";
        EXPECT_LE(record.lines[0].size(), 20u);
        EXPECT_TRUE(std::iswupper(record.lines[0][0])) << "meaning of record " << i;
        EXPECT_NE(record.lines[1], L"") << "kanji without on reading";
        EXPECT_EQ(std::count(record.lines.begin(), record.lines.end(), L""), 1);

        EXPECT_FALSE(strokes[i].lines.empty());
        strokeCount += strokes[i].lines.size();
        for (const auto& line : strokes[i].lines)
        {
            const auto points = pointsOf(line);
            EXPECT_GE(points.size(), 2u) << "bad stroke line of record " << i;
            EXPECT_LE(points.size(), 23u) << "record " << i;
            // The board is 230 px square around its centre.
            for (const auto& point : points)
                EXPECT_TRUE(std::labs(point.first) <= 110 && std::labs(point.second) <= 110);
        }
    }
    EXPECT_EQ(strokeCount, 638u);

    EXPECT_EQ(kanji.front().character, L"一");
    EXPECT_EQ(kanji.front().lines, (std::vector<std::wstring>{L"One", L"イチ", L"イツ", L"", L"ひと"}));
    const auto recordOf = [&kanji](const std::wstring& character) {
        return std::find_if(kanji.begin(), kanji.end(), [&](const Record& r) { return r.character == character; })
            ->lines;
    };
    EXPECT_EQ(recordOf(L"下"), (std::vector<std::wstring>{L"Below", L"カ", L"ゲ", L"", L"お", L"くだ", L"さ", L"した",
                                                          L"しも", L"もと"}));
    EXPECT_EQ(recordOf(L"万"), (std::vector<std::wstring>{L"Ten thousand", L"マン", L"バン", L""}));
    EXPECT_EQ(recordOf(L"分"), (std::vector<std::wstring>{L"Part, minute of time", L"ブン", L"ブ", L"フン", L"", L"わ"}));
    // A reading question counts a reading the record lacks as wrong: those common words use are in, the rest out.
    const auto reads = [&](const wchar_t* character, const wchar_t* reading) {
        const auto lines = recordOf(character);
        return std::find(lines.begin() + 1, lines.end(), reading) != lines.end();
    };
    EXPECT_TRUE(reads(L"来", L"き") && reads(L"中", L"ジュウ") && reads(L"六", L"むい"));
    EXPECT_FALSE(reads(L"今", L"キン") || reads(L"聞", L"モン"));
    EXPECT_EQ(kanji.back().character, L"聞");
    for (std::size_t i = 99; i < 103; ++i)
        EXPECT_EQ(strokes[i].lines.size(), 14u) << "record " << i;
    EXPECT_EQ(strokes.front().lines, std::vector<std::wstring>{
        L"-92,6;-80,4;-71,3;-57,0;-42,-2;-29,-2;-16,-3;-7,-4;1,-4;12,-5;"
        L"23,-6;33,-6;41,-6;52,-5;63,-6;72,-5;81,-4;87,-3;89,-1;"});
}

TEST(TeachingTexts, WordRecordsHaveDistinctKeysAndReadings)
{
    const auto lines = linesOf(wordTexts[5]);
    ASSERT_EQ(lines.size(), 294u * 4);
    std::set<std::uint64_t> keys;
    std::set<std::wstring> readings;
    std::map<std::wstring, std::vector<std::wstring>> wordsByMeaning;
    for (std::size_t i = 0; i < lines.size(); i += 4)
    {
        wordsByMeaning[lines[i + 2]].push_back(lines[i]);
        EXPECT_TRUE(keys.insert(hashString(lines[i])).second) << "key collision at line " << i;
        EXPECT_TRUE(readings.insert(lines[i + 1]).second) << "repeated reading at line " << i;
        EXPECT_FALSE(lines[i + 2].empty());
        EXPECT_EQ(lines[i + 3], separator);
    }
    // Only words of one sense share a label, so none is offered the other's as wrong.
    const std::map<std::wstring, std::vector<std::wstring>> shared = {
        {L"Sky", {L"上空", L"天", L"空中", L"空"}}, {L"Master", {L"名人", L"名手"}},
        {L"To rise", {L"上がる", L"高まる"}},       {L"To descend", {L"下る", L"下りる"}},
        {L"Money", {L"金子", L"金"}},               {L"Boy", {L"少年", L"一男"}},
        {L"Space", {L"空間", L"間"}},               {L"To talk", {L"話す", L"語らう"}},
        {L"New", {L"新しい", L"新た"}},             {L"Atmosphere", {L"大気", L"空気"}},
        {L"To eat", {L"食う", L"食べる"}},          {L"To raise", {L"上げる", L"高める"}},
        {L"To be enough", {L"足りる", L"足る"}}};
    for (const auto& [meaning, words] : wordsByMeaning)
        if (words.size() > 1)
            EXPECT_EQ(shared.count(meaning) ? shared.at(meaning) : std::vector<std::wstring>{}, words) << "meaning";
    for (const auto& [meaning, words] : shared)
        EXPECT_EQ(wordsByMeaning[meaning], words);

    EXPECT_EQ(std::vector<std::wstring>(lines.begin(), lines.begin() + 3),
              (std::vector<std::wstring>{L"十一月", L"じゅういちがつ", L"November"}));
    EXPECT_EQ(std::vector<std::wstring>(lines.end() - 4, lines.end() - 1),
              (std::vector<std::wstring>{L"聞こえる", L"きこえる", L"To be heard"}));
}
