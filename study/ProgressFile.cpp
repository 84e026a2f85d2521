#include "study/ProgressFile.hpp"

#include "widgets/Diagnostics.hpp"

#include <cerrno>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <unistd.h>

namespace
{
std::wstring widen(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

// Reads a number the way the standard conversions do (leading blanks, an
// optional sign, digits, anything after them ignored); false for no digits
// or more than 64 bits of them.
bool parseNumber(const std::string& line, bool& negative, unsigned long long& magnitude)
{
    std::size_t i = 0;
    while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i])))
        ++i;
    negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-'))
        negative = line[i++] == '-';
    if (i == line.size() || !std::isdigit(static_cast<unsigned char>(line[i])))
        return false;
    magnitude = 0;
    for (; i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])); ++i)
    {
        const unsigned digit = static_cast<unsigned>(line[i] - '0');
        if (magnitude > (std::numeric_limits<unsigned long long>::max() - digit) / 10)
            return false;
        magnitude = magnitude * 10 + digit;
    }
    return true;
}

// A key as the unsigned conversion reads it: a minus wraps the value, so
// "-5" names an unknown key instead of damaging the file.
bool parseKey(const std::string& line, std::uint64_t& key)
{
    bool negative = false;
    unsigned long long magnitude = 0;
    if (!parseNumber(line, negative, magnitude))
        return false;
    key = negative ? 0 - magnitude : magnitude;
    return true;
}

bool parseScore(const std::string& line, int& score)
{
    bool negative = false;
    unsigned long long magnitude = 0;
    if (!parseNumber(line, negative, magnitude) ||
        magnitude > static_cast<unsigned long long>(std::numeric_limits<int>::max()) + (negative ? 1 : 0))
        return false;
    score = negative ? static_cast<int>(-static_cast<long long>(magnitude)) : static_cast<int>(magnitude);
    return true;
}

// The line as it stands in the file, between quotes; bytes outside printable
// ASCII (the file holds nothing else) are shown as \xNN so none vanish.
std::string shownLine(const std::string& line)
{
    std::string shown = "\"";
    for (const unsigned char c : line)
    {
        if (c >= 0x20 && c < 0x7f)
        {
            shown += static_cast<char>(c);
        }
        else
        {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", c);
            shown += escape;
        }
    }
    return shown + "\"";
}

bool readLine(std::ifstream& in, std::string& line)
{
    if (!std::getline(in, line))
        return false;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}
} // namespace

ProgressFile::ProgressFile(std::string path, std::size_t scoresPerRecord)
    : path(std::move(path)), scoresPerRecord(scoresPerRecord)
{
}

const std::string& ProgressFile::getPath() const
{
    return path;
}

std::string ProgressFile::kanjiPath(int grade)
{
    return "save/JLPTN" + std::to_string(grade) + "kanjiprogress.txt";
}

std::string ProgressFile::wordPath(int grade)
{
    return "save/JLPTN" + std::to_string(grade) + "wordprogress.txt";
}

ProgressFile::Status ProgressFile::read(std::vector<ProgressRecord>& records) const
{
    std::error_code ignored;
    if (!std::filesystem::exists(path, ignored))
        return Status::Missing;

    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
    {
        Diagnostics::warning(L"WARNING: could not read " + widen(path) + L": " + widen(std::strerror(errno)) +
                             L"; its progress is not loaded");
        return Status::Unreadable;
    }

    std::string line;
    std::size_t lineNumber = 0;
    while (true)
    {
        ++lineNumber;
        if (!readLine(in, line))
        {
            reportDamage(lineNumber, "the file ends before its end mark \"#\"");
            return Status::Read;
        }
        if (line == "#")
            return Status::Read;

        ProgressRecord record;
        if (!parseKey(line, record.key))
        {
            reportDamage(lineNumber, "expected a key, found " + shownLine(line));
            return Status::Read;
        }

        for (std::size_t s = 0; s < scoresPerRecord; ++s)
        {
            ++lineNumber;
            if (!readLine(in, line))
            {
                reportDamage(lineNumber, "the file ends in the middle of a record");
                return Status::Read;
            }
            int score = 0;
            if (!parseScore(line, score))
            {
                reportDamage(lineNumber, "expected a score, found " + shownLine(line));
                return Status::Read;
            }
            if (score < -1 || score > 100)
            {
                const int clamped = score < -1 ? -1 : 100;
                Diagnostics::warning(L"WARNING: " + widen(path) + L" line " + std::to_wstring(lineNumber) +
                                     L": score " + std::to_wstring(score) + L" is out of range, using " +
                                     std::to_wstring(clamped));
                score = clamped;
            }
            record.scores.push_back(score);
        }
        records.push_back(record);
    }
}

void ProgressFile::reportDamage(std::size_t line, const std::string& what) const
{
    // Keep the damaged original: the next save would overwrite it.
    const std::string copy = path + ".damaged";
    std::error_code error;
    std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing, error);
    std::wstring kept = error ? L"a copy could not be kept: " + widen(error.message())
                              : L"the original is kept as " + widen(copy);
    Diagnostics::warning(L"WARNING: " + widen(path) + L" line " + std::to_wstring(line) + L": " + widen(what) +
                         L"; using the progress read before it (" + kept + L")");
}

bool ProgressFile::write(const std::vector<ProgressRecord>& records) const
{
    const std::filesystem::path target(path);
    std::error_code error;
    if (target.has_parent_path())
        std::filesystem::create_directories(target.parent_path(), error);

    const std::string temporary = path + ".tmp";
    auto fail = [&](const std::string& reason) {
        std::remove(temporary.c_str());
        Diagnostics::warning(L"WARNING: could not write " + widen(path) + L": " + widen(reason) +
                             L"; its previous content is left as it was");
        return false;
    };

    // A file that could not be read was not loaded: replacing it would throw
    // away the progress it holds.
    if (std::filesystem::exists(target, error) && !std::ifstream(path, std::ios::binary).is_open())
        return fail("the existing file cannot be read");

    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    if (!file)
        return fail(std::strerror(errno));

    bool ok = true;
    for (const auto& record : records)
    {
        ok = ok && std::fprintf(file, "%llu\n", static_cast<unsigned long long>(record.key)) > 0;
        for (int score : record.scores)
            ok = ok && std::fprintf(file, "%d\n", score) > 0;
    }
    ok = ok && std::fputs("#", file) >= 0;
    ok = ok && std::fflush(file) == 0;
    ok = ok && ::fsync(fileno(file)) == 0;
    const int savedErrno = errno;
    if (std::fclose(file) != 0 || !ok)
        return fail(std::strerror(ok ? errno : savedErrno));

    if (std::rename(temporary.c_str(), path.c_str()) != 0)
        return fail(std::strerror(errno));
    return true;
}
