// Saving into a save/ folder that refuses writes: a read-only one, and a full
// one (a tiny file system of its own). Every file gets its one-line warning,
// keeps its old content, and a save after the fault is gone writes all that
// was in memory.

#include "study/KanjiManager.hpp"
#include "study/ProgressFile.hpp"
#include "study/WordManager.hpp"
#include "support/PermissionBits.hpp"
#include "support/StorePlayer.hpp"
#include "support/TestDirectory.hpp"
#include "tests/study/KanjiTestSupport.hpp"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using kanjitest::stderrOf;

namespace
{
using Files = std::map<std::string, std::string>;

Files progressFiles()
{
    Files files;
    for (const auto& path : StorePlayer::progressPaths())
        files[path] = TestDirectory::readFile(path);
    return files;
}


void saveBoth()
{
    KanjiManager::getInstance()->save();
    WordManager::getInstance()->save();
}

std::string warnings(const std::string& reason)
{
    std::string expected;
    for (auto* path : {&ProgressFile::kanjiPath, &ProgressFile::wordPath})
        for (int grade = 1; grade <= 5; ++grade)
            expected += "WARNING: could not write " + path(grade) + ": " + reason +
                        "; its progress is not saved and the file is left as it was\n";
    return expected;
}

// Every score in memory is in the files, and every item of a level is there.
void expectFilesHoldTheStores()
{
    const KanjiManager* kanji = KanjiManager::getInstance();
    const WordManager* words = WordManager::getInstance();
    for (int grade = 1; grade <= 5; ++grade)
    {
        std::vector<ProgressRecord> records;
        ASSERT_EQ(ProgressFile(ProgressFile::kanjiPath(grade), 4).read(records), ProgressFile::Status::Read);
        EXPECT_EQ(records.size(), static_cast<std::size_t>(kanji->countKanji(grade)));
        for (const auto& record : records)
        {
            const Kanji k = kanji->getKanji(record.key);
            EXPECT_EQ(record.scores, (std::vector<int>{k.getMeaningScore(), k.getKunyomiScore(), k.getOnyomiScore(),
                                                       k.getDrawingScore()}));
        }
        records.clear();
        ASSERT_EQ(ProgressFile(ProgressFile::wordPath(grade), 2).read(records), ProgressFile::Status::Read);
        EXPECT_EQ(records.size(), static_cast<std::size_t>(words->countWords(grade)));
        for (const auto& record : records)
        {
            const Word w = words->getWord(record.key);
            EXPECT_EQ(record.scores, (std::vector<int>{w.getReadingScore(), w.getMeaningScore()}));
        }
    }
}

// With the fault gone, a save writes what the refused one could not.
void expectSaveWritesMemory()
{
    const Files refused = progressFiles();
    EXPECT_EQ(stderrOf(saveBoth), "");
    EXPECT_NE(progressFiles(), refused) << "the play changed nothing";
    expectFilesHoldTheStores();
}

// Plays until the files would change, then checks that a save under the
// fault warns once per file and leaves every file as it was.
void expectRefusedSave(const std::function<void()>& underFault, const std::string& reason)
{
    const Files loaded = progressFiles();
    StorePlayer().play(40);
    underFault();
    EXPECT_EQ(stderrOf(saveBoth), warnings(reason));
    EXPECT_EQ(progressFiles(), loaded);
    for (const auto& path : StorePlayer::progressPaths())
        EXPECT_FALSE(fs::exists(path + ".tmp")) << path;
}
} // namespace

TEST(SaveFault, ReadOnlySaveFolderWarnsAndKeepsMemory)
{
    TestDirectory directory;
    std::srand(11);
    saveBoth();
    {
        const PermissionBits bits;
        expectRefusedSave([] { fs::permissions("save", fs::perms::owner_read | fs::perms::owner_exec); },
                          std::strerror(EACCES));
    }
    fs::permissions("save", fs::perms::owner_all);
    expectSaveWritesMemory();
}

TEST(SaveFault, FullSaveFolderWarnsAndKeepsMemory)
{
    TestDirectory directory;
    // save/ becomes a 64 KiB file system seen by this process alone.
    if (::unshare(CLONE_NEWNS) != 0 || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("inkwright-test", "save", "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a small file system on save/ (needs root): " << std::strerror(errno);
    std::srand(12);
    saveBoth();

    // Fill what is left, a page at a time.
    const int filler = ::open("save/filler", O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(filler, 0);
    const std::string page(4096, 'x');
    while (::write(filler, page.data(), page.size()) > 0)
    {
    }
    ::close(filler);

    expectRefusedSave([] {}, std::strerror(ENOSPC));
    fs::remove("save/filler");
    expectSaveWritesMemory();
    ::umount2(fs::absolute("save").c_str(), MNT_DETACH);
}
