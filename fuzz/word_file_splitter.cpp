// The word-file splitter on any "files/words.txt". The grade of a word comes
// from the kanji store, which loads the built-in texts once and creates its
// progress files in the scratch folder.

#include "FuzzSupport.hpp"

#include "study/WordFileSplitter.hpp"

#include <filesystem>
#include <system_error>

namespace
{
const char* const outputs[] = {"files/newWords.txt", "files/JLPTN1words.txt", "files/JLPTN2words.txt",
                               "files/JLPTN3words.txt", "files/JLPTN4words.txt", "files/JLPTN5words.txt"};

// The bytes the splitter reads: records of four lines from the start, up to
// a record that begins with the line "#" (or "#" and a CR) or the end of the input.
std::string readPart(const std::string& input)
{
    std::size_t position = 0;
    while (position < input.size())
    {
        const std::size_t recordStart = position;
        for (int line = 0; line < 4 && position < input.size(); ++line)
        {
            const std::size_t end = input.find('\n', position);
            const std::string text = input.substr(position, end == std::string::npos ? std::string::npos : end - position);
            if (line == 0 && (text == "#" || text == "#\r"))
                return input.substr(0, recordStart);
            position = end == std::string::npos ? input.size() : end + 1;
        }
    }
    return input;
}

// Strict UTF-8: shortest forms only, no surrogates, nothing past U+10FFFF.
bool isUtf8(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size())
    {
        const auto lead = static_cast<unsigned char>(text[i]);
        int extra = 0;
        unsigned low = 0x80;
        unsigned high = 0xBF;
        if (lead < 0x80)
            extra = 0;
        else if (lead >= 0xC2 && lead <= 0xDF)
            extra = 1;
        else if (lead >= 0xE0 && lead <= 0xEF)
        {
            extra = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        }
        else if (lead >= 0xF0 && lead <= 0xF4)
        {
            extra = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        }
        else
            return false;
        if (i + static_cast<std::size_t>(extra) >= text.size())
            return false;
        for (int k = 1; k <= extra; ++k)
        {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return false;
        }
        i += static_cast<std::size_t>(extra) + 1;
    }
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::enterScratchDirectory();
    fuzz::silenceWarnings();
    std::error_code ignored;
    std::filesystem::create_directory("files");
    for (const char* output : outputs)
        std::filesystem::remove(output, ignored);
    const std::string input(reinterpret_cast<const char*>(data), size);
    fuzz::writeFile("files/words.txt", input);

    // Input that cannot be decoded must be refused, never cut short.
    const bool split = splitWordFile();
    fuzz::require(split == isUtf8(readPart(input)), "exactly the input that is not UTF-8 is refused");
    if (!split)
    {
        for (const char* output : outputs)
            fuzz::require(!std::filesystem::exists(output), "refused input writes nothing");
        return 0;
    }

    // Every kept record goes to the full list and to exactly one grade file,
    // and each of the six files ends with its own end mark.
    const std::string all = fuzz::readFile(outputs[0]);
    fuzz::require(!all.empty() && all.back() == '#', "the full list ends with its end mark");
    std::size_t gradeBytes = 0;
    for (int grade = 1; grade <= 5; ++grade)
    {
        const std::string file = fuzz::readFile(outputs[grade]);
        fuzz::require(!file.empty() && file.back() == '#', "every grade file ends with its end mark");
        gradeBytes += file.size() - 1;
    }
    fuzz::require(gradeBytes == all.size() - 1, "the grade files share out the full list");
    return 0;
}
