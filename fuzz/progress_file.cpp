// The progress-file reader on any file content, for both record sizes (the
// word store keeps two scores, the kanji store four). Whatever it reads must
// be well formed and must survive a save and a new load unchanged.

#include "FuzzSupport.hpp"

#include "study/ProgressFile.hpp"

#include <filesystem>
#include <system_error>

namespace
{
bool sameRecords(const std::vector<ProgressRecord>& a, const std::vector<ProgressRecord>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].key != b[i].key || a[i].scores != b[i].scores)
            return false;
    return true;
}

void check(const std::string& content, std::size_t scoresPerRecord)
{
    std::error_code ignored;
    for (const char* leftover : {"progress.txt.damaged", "copy.txt", "copy.txt.damaged"})
        std::filesystem::remove(leftover, ignored);
    fuzz::writeFile("progress.txt", content);

    std::vector<ProgressRecord> records;
    fuzz::require(ProgressFile("progress.txt", scoresPerRecord).read(records) == ProgressFile::Status::Read,
                  "an existing file is read");
    for (const auto& record : records)
    {
        fuzz::require(record.scores.size() == scoresPerRecord, "every record holds all its scores");
        for (int score : record.scores)
            fuzz::require(score >= -1 && score <= 100, "scores are clamped into -1..100");
    }
    // A damaged file is kept aside unchanged before anything overwrites it.
    if (std::filesystem::exists("progress.txt.damaged"))
        fuzz::require(fuzz::readFile("progress.txt.damaged") == content, "the damaged copy is the original");

    const ProgressFile copy("copy.txt", scoresPerRecord);
    fuzz::require(copy.write(records), "the records are written");
    std::vector<ProgressRecord> again;
    fuzz::require(copy.read(again) == ProgressFile::Status::Read, "the written file is read");
    fuzz::require(!std::filesystem::exists("copy.txt.damaged"), "a written file is never damaged");
    fuzz::require(sameRecords(records, again), "a saved file loads the same records");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::enterScratchDirectory();
    fuzz::silenceWarnings();
    const std::string content(reinterpret_cast<const char*>(data), size);
    check(content, 2);
    check(content, 4);
    return 0;
}
