#include "study/WordFileSplitter.hpp"

#include "study/KanjiManager.hpp"
#include "widgets/Diagnostics.hpp"
#include "widgets/Helpers.hpp"

#include <algorithm>
#include <codecvt>
#include <cstdint>
#include <fstream>
#include <locale>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace
{
const char* const inputPath = "files/words.txt";
constexpr int firstGrade = 1;
constexpr int lastGrade = 5;

// The files are UTF-8 whatever the environment says; without a "C.UTF-8"
// locale the standard converter does the same job.
std::locale utf8Locale()
{
    try
    {
        return std::locale("C.UTF-8");
    }
    catch (const std::runtime_error&)
    {
        return std::locale(std::locale::classic(), new std::codecvt_utf8<wchar_t>);
    }
}

// The most advanced grade among the word's kanji that the kanji store knows;
// words without any known kanji go to grade 5.
int gradeOf(const std::wstring& word)
{
    int grade = lastGrade;
    for (const wchar_t unit : word)
    {
        const Kanji kanji = KanjiManager::getInstance()->getKanji(hashString(std::wstring(1, unit)));
        if (!kanji.getCharacter().empty() && kanji.getGrade() < grade)
            grade = kanji.getGrade();
    }
    return grade;
}

// The bytes of the UTF-8 sequence a byte starts, 0 for one that starts none.
std::size_t sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead < 0xC2)
        return 0;
    if (lead < 0xE0)
        return 2;
    if (lead < 0xF0)
        return 3;
    return lead < 0xF5 ? 4 : 0;
}

// The input decoded up to its last full line before the first byte that
// breaks strict UTF-8 (shortest forms, no surrogates, nothing past U+10FFFF);
// false when there is such a byte. Decoded here rather than by the locale,
// whose converter lets a bad sequence resume after a zero byte.
bool decodeUtf8(const std::string& bytes, std::wstring& text)
{
    text.clear();
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size();)
    {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const std::size_t length = sequenceLength(lead);
        bool valid = length > 0 && i + length <= bytes.size();
        std::uint32_t code = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; valid && k < length; ++k)
        {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            valid = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid || (length == 3 && code < 0x800) || (length == 4 && code < 0x10000) ||
            (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        {
            // A line cut short by a bad byte is no line: it might even read "#".
            const auto lastBreak = text.rfind(L'\n');
            text.erase(lastBreak == std::wstring::npos ? 0 : lastBreak + 1);
            return false;
        }
        text.push_back(static_cast<wchar_t>(code));
        i += length;
    }
    return true;
}
// A line without the CR of a CR LF line end; the outputs end lines with LF.
bool readLine(std::wistream& text, std::wstring& line)
{
    if (!std::getline(text, line))
        return false;
    if (!line.empty() && line.back() == L'\r')
        line.pop_back();
    return true;
}
} // namespace

bool splitWordFile()
{
    // Nothing is ever written to the input, so reading it is all it needs.
    // A folder opens but cannot be read: that is no input file either.
    std::ifstream input(inputPath, std::ios::binary);
    std::string bytes;
    char block[65536];
    while (input.read(block, sizeof block) || input.gcount() > 0)
        bytes.append(block, static_cast<std::size_t>(input.gcount()));
    if (!input.is_open() || input.bad())
        Diagnostics::fatal(std::string("ERROR: file ") + inputPath + " not found");
    std::wstring decoded;
    const bool wellFormed = decodeUtf8(bytes, decoded);

    // Everything is read before any output is opened, so that input which is
    // not UTF-8 is refused whole instead of cutting the outputs short.
    std::wistringstream text(decoded);
    std::vector<std::vector<std::wstring>> kept;
    std::set<std::wstring> seen;
    std::wstring line;
    bool endMarkFound = false;
    // The end of the input counts as its end mark "#".
    while (readLine(text, line))
    {
        if (line == L"#")
        {
            endMarkFound = true;
            break;
        }
        // A repetition: its reading, meaning and separator go nowhere.
        const bool repeated = !seen.insert(line).second;
        std::vector<std::wstring> record{line};
        for (int rest = 0; rest < 3 && readLine(text, line); ++rest)
            record.push_back(line);
        if (!repeated)
            kept.push_back(std::move(record));
    }
    // Bad bytes after the end mark are never read, as before.
    if (!wellFormed && !endMarkFound)
    {
        const auto badLine = std::count(decoded.begin(), decoded.end(), L'\n') + 1;
        Diagnostics::error(std::string("ERROR: ") + inputPath + " line " + std::to_string(badLine) +
                           " is not valid UTF-8; nothing was written");
        return false;
    }

    // Loaded here, whatever the input holds: its first use reads the kanji
    // progress files and creates save/ and any that are missing.
    KanjiManager::getInstance();

    const std::locale utf8 = utf8Locale();
    std::wofstream newWords;
    newWords.imbue(utf8);
    newWords.open("files/newWords.txt");
    std::map<int, std::wofstream> gradeFiles;
    for (int grade = firstGrade; grade <= lastGrade; ++grade)
    {
        std::wofstream& file = gradeFiles[grade];
        file.imbue(utf8);
        file.open("files/JLPTN" + std::to_string(grade) + "words.txt");
    }

    for (const auto& record : kept)
    {
        std::wofstream& gradeFile = gradeFiles[gradeOf(record.front())];
        for (const std::wstring& recordLine : record)
        {
            newWords << recordLine << L"\n";
            gradeFile << recordLine << L"\n";
        }
    }

    newWords << L"#";
    for (auto& [grade, file] : gradeFiles)
    {
        file << L"#";
        file.close();
    }
    newWords.close();
    return true;
}
