#include "study/WordFileSplitter.hpp"

#include "study/KanjiManager.hpp"
#include "widgets/Diagnostics.hpp"
#include "widgets/Helpers.hpp"

#include <codecvt>
#include <fstream>
#include <locale>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>
#include <string>

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
} // namespace

void splitWordFile()
{
    // Nothing is ever written to the input, so reading it is all it needs.
    std::wifstream input(inputPath);
    if (!input.is_open())
        Diagnostics::fatal(std::string("ERROR: file ") + inputPath + " not found");
    const std::locale utf8 = utf8Locale();
    input.imbue(utf8);

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

    std::set<std::wstring> seen;
    std::wstring line;
    // The end of the input counts as its end mark "#".
    while (std::getline(input, line) && line != L"#")
    {
        if (!seen.insert(line).second)
        {
            // A repetition: its reading, meaning and separator go nowhere.
            for (int rest = 0; rest < 3 && std::getline(input, line); ++rest)
            {
            }
            continue;
        }
        std::wofstream& gradeFile = gradeFiles[gradeOf(line)];
        newWords << line << L"\n";
        gradeFile << line << L"\n";
        for (int rest = 0; rest < 3 && std::getline(input, line); ++rest)
        {
            newWords << line << L"\n";
            gradeFile << line << L"\n";
        }
    }

    newWords << L"#";
    for (auto& [grade, file] : gradeFiles)
    {
        file << L"#";
        file.close();
    }
    input.close();
    newWords.close();
}
