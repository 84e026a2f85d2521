// The word-text reader on any text (bytes taken as UTF-8).

#include "FuzzSupport.hpp"

#include "study/TeachingTextReaders.hpp"
#include "widgets/Helpers.hpp"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::wstring text = fuzz::decodeUtf8(data, size);
    const auto records = readWordRecords(text, 5);

    // A record takes four lines; the last one needs only three, the third
    // of which may lack its line break.
    const auto breaks = static_cast<std::size_t>(std::count(text.begin(), text.end(), L'\n'));
    fuzz::require(records.empty() || breaks + 2 >= 4 * records.size(), "every word has a reading and a meaning");
    for (const Word& word : records)
    {
        fuzz::require(word.getWord() != L"#", "the end mark is no word");
        fuzz::require(word.getGrade() == 5 && word.getReadingScore() == -1 && word.getMeaningScore() == -1,
                      "a read word is new in its grade");
        hashString(word.getWord());
    }
    return 0;
}
