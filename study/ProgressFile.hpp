#pragma once
// The one reader and writer of the progress files of both stores.
//
// Layout: per record a key line and a fixed number of score lines, then "#"
// without a line break. The reader never gives up the learner's data: it
// tolerates CR LF, keeps what it read before any damage (warning about it
// and keeping a ".damaged" copy), and clamps scores into -1..100. The writer
// replaces a file only once its new content is safely on disk.

#include <cstdint>
#include <set>
#include <string>
#include <utility>
#include <vector>

struct ProgressRecord
{
    std::uint64_t key = 0;
    std::vector<int> scores;
};

class ProgressFile
{
public:
    enum class Status
    {
        Missing,    // no such file: the caller creates it
        Unreadable, // exists but cannot be read: warned about, left alone
        Read        // read, possibly only up to a damaged line
    };

    ProgressFile(std::string path, std::size_t scoresPerRecord);

    const std::string& getPath() const;

    // Appends every complete record before the end mark or the first damage.
    Status read(std::vector<ProgressRecord>& records) const;

    // Creates "save/" when missing, writes a temporary file, flushes it to
    // disk, renames it over the old one (over a link's target, so the link
    // stays) and syncs the folder. Warns and returns false, leaving the file
    // alone, when that fails, when the file exists but cannot be written, or
    // when it could not be read earlier in this run.
    bool write(const std::vector<ProgressRecord>& records) const;

    // The same for several files, with one sync per folder after all renames.
    using Batch = std::vector<std::pair<ProgressFile, std::vector<ProgressRecord>>>;
    static void writeAll(const Batch& files);

    // Makes the renames in a folder durable; 0 or an errno value. Tests put
    // their own here to watch it.
    static int (*syncFolder)(const std::string& folder);

    static std::string kanjiPath(int grade);
    static std::string wordPath(int grade);

private:
    bool replace(const std::vector<ProgressRecord>& records, std::string& folder) const;
    static void syncFolders(const std::set<std::string>& folders);
    void reportDamage(std::size_t line, const std::string& what) const;

    std::string path;
    std::size_t scoresPerRecord;
};
