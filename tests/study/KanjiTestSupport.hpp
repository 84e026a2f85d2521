#pragma once
// Helpers for the kanji store tests: small hand-made teaching texts and
// progress files, and access to the warnings a call writes.

#include "study/TeachingTexts.hpp"
#include "widgets/Helpers.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kanjitest
{
// The grade-5 kanji in the order of the teaching text.
const std::wstring grade5 = L"一八人二入十七九小上下川三山口土千大子万女六少火父今水午分手天日木中月五友円立北半外右出古"
                            L"生左四本白目母行多名年会先耳百気休安西毎言足社花何来見車男学空店金雨長東国食前後南校時高書魚"
                            L"週飲道買間話新電読語駅聞";

inline std::uint64_t key(const std::wstring& character)
{
    return hashString(character);
}

inline std::wstring kanjiRecord(const std::wstring& character, const std::wstring& meaning,
                                const std::vector<std::wstring>& onyomi, const std::vector<std::wstring>& kunyomi)
{
    std::wstring record = character + L"\n" + meaning + L"\n";
    for (const auto& reading : onyomi)
        record += reading + L"\n";
    record += L"\n";
    for (const auto& reading : kunyomi)
        record += reading + L"\n";
    return record + L"\u30FC\u30FC\u30FC\u30FC\n";
}

// A stroke record with one horizontal two-point stroke per entry of lengths.
inline std::wstring strokeRecord(const std::wstring& character, const std::vector<int>& lengths)
{
    std::wstring record = character + L"\n";
    for (int length : lengths)
        record += L"0,0;" + std::to_wstring(length) + L",0;\n";
    return record + L"\n";
}

// Replaces the grade-5 texts; must run before the first KanjiManager::getInstance.
inline void useGrade5Texts(const std::wstring& kanjiText, const std::wstring& strokeText)
{
    kanjiTexts[5] = kanjiText + L"#";
    strokeTexts[5] = strokeText + L"#";
}

inline std::string progressRecord(std::uint64_t key, int meaning, int kunyomi, int onyomi, int drawing)
{
    return std::to_string(key) + "\n" + std::to_string(meaning) + "\n" + std::to_string(kunyomi) + "\n" +
           std::to_string(onyomi) + "\n" + std::to_string(drawing) + "\n";
}

// Every line the call writes to the standard error stream.
inline std::string stderrOf(const std::function<void()>& call)
{
    testing::internal::CaptureStderr();
    call();
    return testing::internal::GetCapturedStderr();
}
} // namespace kanjitest
