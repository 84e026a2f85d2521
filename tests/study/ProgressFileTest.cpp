#include "study/ProgressFile.hpp"
#include "support/PermissionBits.hpp"
#include "support/TestDirectory.hpp"
#include "tests/study/KanjiTestSupport.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;
using kanjitest::stderrOf;

namespace
{
const std::string path = "save/JLPTN5kanjiprogress.txt";

std::vector<ProgressRecord> readAll(const std::string& content, ProgressFile::Status expected = ProgressFile::Status::Read)
{
    TestDirectory::writeFile(path, content);
    std::vector<ProgressRecord> records;
    EXPECT_EQ(ProgressFile(path, 2).read(records), expected);
    return records;
}

} // namespace

// Also: writing creates a missing save folder, CR LF line ends are read, and
// scores out of range are clamped with a warning.
TEST(ProgressFile, WritesAndReadsTheLayout)
{
    TestDirectory directory(false);
    std::vector<ProgressRecord> records;
    EXPECT_EQ(ProgressFile(path, 2).read(records), ProgressFile::Status::Missing);

    EXPECT_TRUE(ProgressFile(path, 2).write({{19968, {-1, 100}}, {18446744073709551615u, {0, 7}}}));
    EXPECT_EQ(TestDirectory::readFile(path), "19968\n-1\n100\n18446744073709551615\n0\n7\n#");
    EXPECT_TRUE(ProgressFile(path, 2).write({}));
    EXPECT_EQ(TestDirectory::readFile(path), "#");
    EXPECT_FALSE(fs::exists(path + ".tmp"));

    // Numbers are read as the standard conversions read them.
    records = readAll(" 42abc\n+5\n  -1 trailing\n#");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].key, 42u);
    EXPECT_EQ(records[0].scores, (std::vector<int>{5, -1}));
    EXPECT_TRUE(readAll("#").empty());
    // A minus wraps a key as the unsigned conversion does: an unknown key, not damage.
    records = readAll("-5\n1\n2\n#");
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].key, 18446744073709551611u);

    records = readAll("7\r\n1\r\n2\r\n8\r\n3\r\n4\r\n#\r\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].key, 8u);
    EXPECT_EQ(records[1].scores, (std::vector<int>{3, 4}));
    EXPECT_FALSE(fs::exists(path + ".damaged"));

    const std::string errors = stderrOf([&] { records = readAll("7\n101\n-2\n#"); });
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].scores, (std::vector<int>{100, -1}));
    EXPECT_EQ(errors, "WARNING: " + path + " line 2: score 101 is out of range, using 100\n"
                      "WARNING: " + path + " line 3: score -2 is out of range, using -1\n");
}

TEST(ProgressFile, DamageKeepsEarlierRecordsAndACopy)
{
    TestDirectory directory;
    const struct
    {
        std::string content;
        std::size_t kept;
        std::string line;
    } cases[] = {
        {"1\n2\n3\nkey\n4\n5\n#", 1, "line 4: expected a key, found \"key\""},
        // Bytes a text editor may leave behind are shown, not dropped.
        {"1\n2\n3\n\xe4\xb8\x8a\xff\t\n4\n5\n#", 1, "line 4: expected a key, found \"\\xE4\\xB8\\x8A\\xFF\\x09\""},
        {"1\n2\n3\n4\n5\nfive\n#", 1, "line 6: "},
        {"1\n2\n3\n4\n5\n99999999999\n#", 1, "line 6: "},
        {"1\n2\n3\n- 4\n5\n6\n#", 1, "line 4: "},
        {"1\n2\n3\n4\n5\n6\n", 2, "line 7: "},
        {"1\n2\n3\n4\n5\n", 1, "line 6: "},
        {"1\n2\n3\n4\n5", 1, "line 6: "},
        {"", 0, "line 1: "},
    };
    for (const auto& c : cases)
    {
        fs::remove(path + ".damaged");
        std::vector<ProgressRecord> records;
        const std::string errors = stderrOf([&] { records = readAll(c.content); });
        EXPECT_EQ(records.size(), c.kept) << c.content;
        EXPECT_EQ(errors.rfind("WARNING: " + path + " " + c.line, 0), 0u) << errors;
        EXPECT_EQ(TestDirectory::readFile(path + ".damaged"), c.content);
        EXPECT_EQ(TestDirectory::readFile(path), c.content);
    }
}

TEST(ProgressFile, FailedWriteLeavesTheOldFile)
{
    TestDirectory directory;
    TestDirectory::writeFile(path, "1\n2\n3\n#");
    fs::create_directories(path + ".tmp/in-the-way");
    bool written = true;
    const std::string errors = stderrOf([&] { written = ProgressFile(path, 2).write({{9, {9, 9}}}); });
    EXPECT_FALSE(written);
    EXPECT_EQ(errors.rfind("WARNING: could not write " + path + ": ", 0), 0u) << errors;
    EXPECT_EQ(TestDirectory::readFile(path), "1\n2\n3\n#");
}

TEST(ProgressFile, ReadOnlyFileIsReadAndNeverReplaced)
{
    TestDirectory directory;
    const PermissionBits bits;
    TestDirectory::writeFile(path, "1\n2\n3\n#");
    fs::permissions(path, fs::perms::owner_read);
    std::vector<ProgressRecord> records;
    EXPECT_EQ(ProgressFile(path, 2).read(records), ProgressFile::Status::Read);
    EXPECT_EQ(records.size(), 1u);
    std::string errors = stderrOf([&] { EXPECT_FALSE(ProgressFile(path, 2).write({{9, {9, 9}}})); });
    EXPECT_EQ(errors, "WARNING: could not write " + path +
                          ": it is read-only; its progress is not saved and the file is left as it was\n");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read);
    EXPECT_EQ(TestDirectory::readFile(path), "1\n2\n3\n#");

    // Writable only by its owner, someone else: just as untouchable.
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
    if (::chown(path.c_str(), 65534, 65534) != 0)
        GTEST_SKIP() << "cannot hand the file to another user (needs root)";
    errors = stderrOf([&] { EXPECT_FALSE(ProgressFile(path, 2).write({{9, {9, 9}}})); });
    EXPECT_NE(errors.find(path + ": Permission denied; its progress is not saved"), std::string::npos) << errors;
    EXPECT_EQ(TestDirectory::readFile(path), "1\n2\n3\n#");
}

TEST(ProgressFile, UnreadableFileIsNeitherLoadedNorReplacedEvenOnceReadable)
{
    TestDirectory directory;
    const PermissionBits bits;
    TestDirectory::writeFile(path, "1\n2\n3\n#");
    fs::permissions(path, fs::perms::owner_write);
    std::vector<ProgressRecord> records;
    std::string errors = stderrOf([&] { EXPECT_EQ(ProgressFile(path, 2).read(records), ProgressFile::Status::Unreadable); });
    EXPECT_EQ(errors.rfind("WARNING: could not read " + path + ": ", 0), 0u) << errors;
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write);
    errors = stderrOf([&] { EXPECT_FALSE(ProgressFile(path, 2).write({{9, {9, 9}}})); });
    EXPECT_EQ(errors, "WARNING: could not write " + path +
                          ": it could not be read at start; its progress is not saved and the file is left as it was\n");
    EXPECT_EQ(TestDirectory::readFile(path), "1\n2\n3\n#");
}

TEST(ProgressFile, WritingThroughALinkReplacesItsTarget)
{
    TestDirectory directory;
    fs::create_directory("synced");
    TestDirectory::writeFile("synced/progress.txt", "1\n2\n3\n#");
    fs::create_symlink("../synced/progress.txt", path);
    EXPECT_TRUE(ProgressFile(path, 2).write({{9, {9, 9}}}));
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(TestDirectory::readFile("synced/progress.txt"), "9\n9\n9\n#");
    EXPECT_FALSE(fs::exists("synced/progress.txt.tmp"));
}
