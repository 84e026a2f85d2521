#include "FuzzSupport.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <streambuf>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
class NullBuffer : public std::streambuf
{
protected:
    int_type overflow(int_type c) override
    {
        return traits_type::not_eof(c);
    }
};

class ScratchDirectory
{
public:
    ScratchDirectory()
    {
        std::string pattern = (fs::temp_directory_path() / "inkwright-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a temporary directory");
        directory = pattern;
        fs::current_path(directory);
    }

    ~ScratchDirectory()
    {
        std::error_code ignored;
        fs::current_path(fs::temp_directory_path(), ignored);
        fs::remove_all(directory, ignored);
    }

    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

private:
    fs::path directory;
};

// Continuation bytes after a lead byte, or -1 for a byte that leads nothing.
int continuationCount(std::uint8_t lead)
{
    if (lead >= 0xC2 && lead <= 0xDF)
        return 1;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 2;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 3;
    return -1;
}
} // namespace

namespace fuzz
{
std::wstring decodeUtf8(const std::uint8_t* data, std::size_t size)
{
    std::wstring text;
    text.reserve(size);
    std::size_t i = 0;
    while (i < size)
    {
        const std::uint8_t lead = data[i];
        const int extra = lead < 0x80 ? 0 : continuationCount(lead);
        std::uint32_t code = extra > 0 ? lead & (0x3F >> extra) : lead;
        bool wellFormed = extra >= 0 && i + static_cast<std::size_t>(extra) < size;
        for (int k = 1; wellFormed && k <= extra; ++k)
        {
            const std::uint8_t next = data[i + static_cast<std::size_t>(k)];
            wellFormed = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (wellFormed)
        {
            text.push_back(static_cast<wchar_t>(code));
            i += static_cast<std::size_t>(extra) + 1;
        }
        else
        {
            text.push_back(static_cast<wchar_t>(lead));
            ++i;
        }
    }
    return text;
}

void enterScratchDirectory()
{
    static const ScratchDirectory directory;
}

void silenceWarnings()
{
    // Never destroyed: std::cerr is flushed after static objects are gone.
    static NullBuffer* const nowhere = new NullBuffer;
    std::cerr.rdbuf(nowhere);
}

void require(bool holds, const char* property)
{
    if (holds)
        return;
    // std::cerr may be silenced; the C stream still reaches the terminal.
    std::fprintf(stderr, "fuzz check failed: %s\n", property);
    std::abort();
}

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void writeFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}
} // namespace fuzz
