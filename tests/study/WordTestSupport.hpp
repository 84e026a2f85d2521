#pragma once
// Helpers for the word store and exercise manager tests: the keys of the
// teaching texts, hand-made word texts and progress files.

#include "study/ProgressFile.hpp"
#include "study/TeachingTexts.hpp"
#include "support/TestDirectory.hpp"
#include "tests/study/KanjiTestSupport.hpp"
#include "widgets/Helpers.hpp"

#include <algorithm>
#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace wordtest
{
// The written forms of a grade's word text, in text order.
inline std::vector<std::wstring> writtenForms(int grade)
{
    std::vector<std::wstring> forms;
    std::wistringstream text(wordTexts[grade]);
    std::wstring line;
    for (int index = 0; std::getline(text, line) && line != L"#"; ++index)
        if (index % 4 == 0)
            forms.push_back(line);
    return forms;
}

inline std::vector<std::uint64_t> wordKeys(int grade)
{
    std::vector<std::uint64_t> keys;
    for (const auto& form : writtenForms(grade))
        keys.push_back(hashString(form));
    return keys;
}

inline std::wstring wordRecord(const std::wstring& written, const std::wstring& reading, const std::wstring& meaning)
{
    return written + L"\n" + reading + L"\n" + meaning + L"\n\u30FC\u30FC\u30FC\u30FC\n";
}

inline std::string wordProgress(std::uint64_t key, int reading, int meaning)
{
    return std::to_string(key) + "\n" + std::to_string(reading) + "\n" + std::to_string(meaning) + "\n";
}

// A progress file giving every key the same scores (two for a word file,
// four for a kanji file), except the keys named in `special`.
inline std::string progressFile(const std::vector<std::uint64_t>& keys, const std::vector<int>& scores,
                                const std::map<std::uint64_t, std::vector<int>>& special = {})
{
    std::string file;
    for (const auto key : keys)
    {
        const auto found = special.find(key);
        file += std::to_string(key) + "\n";
        for (const int value : found == special.end() ? scores : found->second)
            file += std::to_string(value) + "\n";
    }
    return file + "#";
}

inline bool contains(const std::vector<std::uint64_t>& keys, std::uint64_t key)
{
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

inline std::vector<std::uint64_t> kanjiKeys()
{
    std::vector<std::uint64_t> keys;
    for (const wchar_t kanji : kanjitest::grade5)
        keys.push_back(hashString(std::wstring(1, kanji)));
    return keys;
}

// Grade 5's two progress files: every kanji and word at `others` but the
// special ones.
inline void writeGrade5Progress(const std::map<std::uint64_t, std::vector<int>>& kanji,
                                const std::map<std::uint64_t, std::vector<int>>& words, int others = 100)
{
    TestDirectory::writeFile(ProgressFile::kanjiPath(5), progressFile(kanjiKeys(), std::vector<int>(4, others), kanji));
    TestDirectory::writeFile(ProgressFile::wordPath(5), progressFile(wordKeys(5), std::vector<int>(2, others), words));
}
} // namespace wordtest
