// The kanji-text reader on any text (bytes taken as UTF-8).

#include "FuzzSupport.hpp"

#include "study/TeachingTextReaders.hpp"
#include "widgets/Helpers.hpp"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::wstring text = fuzz::decodeUtf8(data, size);
    const auto records = readKanjiRecords(text, 5);

    // Every record starts on a line of its own.
    const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), L'\n')) + 1;
    fuzz::require(records.size() <= lines, "no more records than lines");
    for (const Kanji& kanji : records)
    {
        fuzz::require(kanji.getCharacter() != L"#", "the end mark is no kanji");
        fuzz::require(kanji.getGrade() == 5 && kanji.isNew() && kanji.getDrawingScore() == -1,
                      "a read kanji is new in its grade");
        hashString(kanji.getCharacter());
    }
    return 0;
}
