#include "study/ProgressFile.hpp"

#include "widgets/Diagnostics.hpp"

#include <cerrno>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <limits>
#include <set>
#include <sys/stat.h>
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

// Files found but not readable in this run: their progress was never loaded.
std::set<std::string>& notLoaded()
{
    static std::set<std::string> paths;
    return paths;
}

// Where a path leads after every link, even to a target not yet made.
std::filesystem::path finalTarget(std::filesystem::path path)
{
    std::error_code error;
    for (int hops = 0; hops < 40 && std::filesystem::is_symlink(path, error); ++hops)
    {
        const std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error)
            break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

int syncFolderOnDisk(const std::string& folder)
{
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    const int result = ::fsync(descriptor) == 0 ? 0 : errno;
    ::close(descriptor);
    return result;
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

int (*ProgressFile::syncFolder)(const std::string& folder) = syncFolderOnDisk;

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
        notLoaded().insert(path);
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

bool ProgressFile::replace(const std::vector<ProgressRecord>& records, std::string& folder) const
{
    std::string temporary;
    auto fail = [&](const std::string& reason) {
        if (!temporary.empty())
            std::remove(temporary.c_str());
        Diagnostics::warning(L"WARNING: could not write " + widen(path) + L": " + widen(reason) +
                             L"; its progress is not saved and the file is left as it was");
        return false;
    };

    // Its progress was never loaded: replacing it would throw that away.
    if (notLoaded().count(path))
        return fail("it could not be read at start");

    // Through a link the target is replaced, so the link stays; the temporary
    // file goes beside the target so that the rename stays atomic.
    const std::filesystem::path target = finalTarget(path);
    std::error_code error;
    if (target.has_parent_path())
        std::filesystem::create_directories(target.parent_path(), error);

    // A file that refuses writing is left exactly as the learner set it;
    // one without any write bit counts as read-only even for root.
    struct stat status;
    if (::stat(target.c_str(), &status) == 0 && (status.st_mode & 0222) == 0)
        return fail("it is read-only");
    const int existing = ::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (existing >= 0)
        ::close(existing);
    else if (errno != ENOENT)
        return fail(std::strerror(errno));

    temporary = target.string() + ".tmp";
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

    if (std::rename(temporary.c_str(), target.c_str()) != 0)
        return fail(std::strerror(errno));
    folder = target.has_parent_path() ? target.parent_path().string() : ".";
    return true;
}

bool ProgressFile::write(const std::vector<ProgressRecord>& records) const
{
    std::string folder;
    if (!replace(records, folder))
        return false;
    syncFolders({folder});
    return true;
}

void ProgressFile::writeAll(const Batch& files)
{
    std::set<std::string> folders;
    for (const auto& [file, records] : files)
    {
        std::string folder;
        if (file.replace(records, folder))
            folders.insert(folder);
    }
    syncFolders(folders);
}

// The renames are only durable once their folder is on disk too.
void ProgressFile::syncFolders(const std::set<std::string>& folders)
{
    for (const std::string& folder : folders)
        if (const int error = syncFolder(folder))
            Diagnostics::warning(L"WARNING: could not sync the folder " + widen(folder) + L": " +
                                 widen(std::strerror(error)) + L"; the last save may be lost on a power cut");
}
