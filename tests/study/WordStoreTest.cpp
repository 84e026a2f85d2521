#include "study/ProgressFile.hpp"
#include "study/WordManager.hpp"
#include "support/TestDirectory.hpp"
#include "tests/study/WordTestSupport.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace wordtest;
using kanjitest::stderrOf;

namespace
{
const std::string grade5Path = "save/JLPTN5wordprogress.txt";

const std::uint64_t up = hashString(L"上");
const std::uint64_t down = hashString(L"下");
const std::uint64_t river = hashString(L"川");
const std::uint64_t mountain = hashString(L"山");
const std::uint64_t mouth = hashString(L"口");

// Five words whose keys sort in this order: 上 < 下 < 口 < 山 < 川.
void useFiveWords()
{
    wordTexts[5] = wordRecord(L"上", L"うえ", L"Up") + wordRecord(L"下", L"した", L"Down") +
                   wordRecord(L"川", L"かわ", L"River") + wordRecord(L"山", L"やま", L"Mountain") +
                   wordRecord(L"口", L"くち", L"Mouth") + L"#";
}

} // namespace

TEST(WordStore, FirstRunCreatesTheSaveFolderAndFilesAndSaveSortsThem)
{
    TestDirectory directory(false);
    auto* store = WordManager::getInstance();

    auto keys = wordKeys(5);
    ASSERT_EQ(keys.size(), 294u);
    EXPECT_EQ(TestDirectory::readFile(grade5Path), progressFile(keys, {-1, -1}));
    EXPECT_EQ(keys.front(), hashString(L"十一月"));
    for (int grade = 1; grade <= 4; ++grade)
    {
        EXPECT_EQ(TestDirectory::readFile(ProgressFile::wordPath(grade)), "#");
        EXPECT_EQ(store->countWords(grade), 0);
    }
    EXPECT_EQ(store->countWords(5), 294);
    EXPECT_EQ(store->countMastered(5), 0);
    auto fresh = store->getNewWords(5);
    EXPECT_NE(fresh, keys) << "the new list is shuffled at load";
    std::sort(fresh.begin(), fresh.end());
    std::sort(keys.begin(), keys.end());
    EXPECT_EQ(fresh, keys);

    store->save();
    const std::string saved = TestDirectory::readFile(grade5Path);
    EXPECT_EQ(saved, progressFile(keys, {-1, -1}));
    EXPECT_EQ(saved.substr(saved.size() - 18), "1332489271\n-1\n-1\n#");
    EXPECT_FALSE(std::filesystem::exists(grade5Path + ".tmp"));
}

TEST(WordStore, SavedScoresDecideTheLists)
{
    TestDirectory directory;
    useFiveWords();
    TestDirectory::writeFile(grade5Path, "  " + std::to_string(up) + "abc\n100\n100\n" + wordProgress(down, 0, 100) +
                                             wordProgress(river, -1, -1) + wordProgress(mountain, 50, -1) +
                                             wordProgress(mouth, 50, 50) + wordProgress(mouth, 100, 100) +
                                             wordProgress(12345, 10, 10) + "#");

    WordManager* store = nullptr;
    const std::string warnings = stderrOf([&] { store = WordManager::getInstance(); });
    EXPECT_EQ(warnings, "WARNING: In grade 5 found saved data for word with hash code 12345 but no word was found\n");

    EXPECT_EQ(store->getMasteredWords(5), std::vector<std::uint64_t>{up});
    auto learning = store->getLearningWords(5);
    std::sort(learning.begin(), learning.end());
    EXPECT_EQ(learning, (std::vector<std::uint64_t>{down, mouth}));
    auto fresh = store->getNewWords(5);
    std::sort(fresh.begin(), fresh.end());
    EXPECT_EQ(fresh, (std::vector<std::uint64_t>{mountain, river}));
    EXPECT_EQ(store->getWord(mountain).getReadingScore(), 50);
    EXPECT_EQ(store->getWord(mountain).getMeaningScore(), -1);
    EXPECT_EQ(store->getWord(mouth).getReadingScore(), 100);
    EXPECT_EQ(store->countWords(5), 5);
    EXPECT_EQ(store->countMastered(5), 1);
    EXPECT_TRUE(store->getWord(99).getWord().empty());

    // The key of no word is not written back; the rest comes out sorted.
    store->save();
    EXPECT_EQ(TestDirectory::readFile(grade5Path),
              wordProgress(up, 100, 100) + wordProgress(down, 0, 100) + wordProgress(mouth, 100, 100) +
                  wordProgress(mountain, 50, -1) + wordProgress(river, -1, -1) + "#");
}

TEST(WordStore, CollisionsKeepTheLaterRecordOnce)
{
    TestDirectory directory;
    wordTexts[5] = wordRecord(L"上", L"うえ", L"Up") + wordRecord(L"上", L"かみ", L"Above") +
                   wordRecord(L"下", L"した", L"Down") + L"#";
    // A grade-5 word saved in the grade-4 file is unknown while grade 4 loads.
    TestDirectory::writeFile(ProgressFile::wordPath(4), wordProgress(down, 50, 50) + "#");

    WordManager* store = nullptr;
    const std::string warnings = stderrOf([&] { store = WordManager::getInstance(); });
    EXPECT_EQ(warnings, "WARNING: In grade 4 found saved data for word with hash code 19979 but no word was found\n"
                        "WARNING: Found hash collision between words Above and Up (19978)\n"
                        "WARNING: Found hash collision between words Down and  (19979)\n");
    EXPECT_EQ(store->getWord(up).getMeaning(), L"Above");
    EXPECT_EQ(store->getNewWords(5), std::vector<std::uint64_t>{up});
    EXPECT_EQ(store->countWords(5), 1);
    EXPECT_EQ(store->countWords(4), 0);
}

TEST(WordStore, DamagedFileIsKeptAsideAndReadUpToTheDamage)
{
    TestDirectory directory;
    useFiveWords();
    const std::string original = std::to_string(up) + "\r\n150\r\n100\r\n" + std::to_string(down) +
                                 "\r\n-7\r\n40\r\nzz\r\n" + std::to_string(river) + "\r\n10\r\n10\r\n#";
    TestDirectory::writeFile(grade5Path, original);

    WordManager* store = nullptr;
    const std::string warnings = stderrOf([&] { store = WordManager::getInstance(); });
    EXPECT_NE(warnings.find("line 2: score 150 is out of range, using 100"), std::string::npos);
    EXPECT_NE(warnings.find("line 5: score -7 is out of range, using -1"), std::string::npos);
    EXPECT_NE(warnings.find("line 7: expected a key, found \"zz\""), std::string::npos);

    EXPECT_EQ(store->getMasteredWords(5), std::vector<std::uint64_t>{up});
    EXPECT_EQ(store->getWord(down).getReadingScore(), -1);
    EXPECT_EQ(store->getWord(down).getMeaningScore(), 40);
    EXPECT_TRUE(contains(store->getNewWords(5), down));
    EXPECT_EQ(store->getWord(river).getReadingScore(), -1);
    EXPECT_TRUE(store->getLearningWords(5).empty());
    EXPECT_EQ(TestDirectory::readFile(grade5Path), original);
    EXPECT_EQ(TestDirectory::readFile(grade5Path + ".damaged"), original);
}

TEST(WordStore, TextWithoutEndMarkStopsAtItsEnd)
{
    TestDirectory directory;
    // The second record is cut short: only complete records count.
    wordTexts[5] = wordRecord(L"上", L"うえ", L"Up") + L"下\nした";
    wordTexts[4] = wordRecord(L"山", L"やま", L"Mountain");

    auto* store = WordManager::getInstance();
    EXPECT_EQ(store->countWords(5), 1);
    EXPECT_EQ(store->countWords(4), 1);
    EXPECT_EQ(store->getWord(up).getReading(), L"うえ");
}
