#include "study/KanjiManager.hpp"
#include "study/ProgressFile.hpp"
#include "support/PermissionBits.hpp"
#include "support/TestDirectory.hpp"
#include "tests/study/WordTestSupport.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>

using namespace kanjitest;

using wordtest::progressFile;

namespace
{
const std::string grade5Path = "save/JLPTN5kanjiprogress.txt";
} // namespace

TEST(KanjiStore, FirstRunCreatesFilesInTextOrderAndSaveSortsThem)
{
    TestDirectory directory(false);
    auto* store = KanjiManager::getInstance();

    auto keys = wordtest::kanjiKeys();
    ASSERT_EQ(keys.size(), 103u);
    EXPECT_EQ(TestDirectory::readFile(grade5Path), progressFile(keys, {-1, -1, -1, -1}));
    EXPECT_EQ(TestDirectory::readFile(grade5Path).substr(0, 30), "19968\n-1\n-1\n-1\n-1\n20843\n-1\n-1\n");
    for (int grade = 1; grade <= 4; ++grade)
    {
        EXPECT_EQ(TestDirectory::readFile(ProgressFile::kanjiPath(grade)), "#");
        EXPECT_EQ(store->countKanji(grade), 0);
    }
    EXPECT_EQ(store->countKanji(5), 103);
    EXPECT_EQ(store->countMastered(5), 0);

    // A save folder removed meanwhile is made again.
    std::filesystem::remove_all("save");
    store->save();
    std::sort(keys.begin(), keys.end());
    const std::string saved = TestDirectory::readFile(grade5Path);
    EXPECT_EQ(saved, progressFile(keys, {-1, -1, -1, -1}));
    EXPECT_EQ(TestDirectory::readFile(ProgressFile::kanjiPath(1)), "#");
    EXPECT_EQ(saved.substr(0, 24), "19968\n-1\n-1\n-1\n-1\n19971\n");
    EXPECT_EQ(saved.substr(saved.size() - 19), "39770\n-1\n-1\n-1\n-1\n#");
    EXPECT_FALSE(std::filesystem::exists(grade5Path + ".tmp"));
}

TEST(KanjiStore, ReadsTheTeachingTexts)
{
    TestDirectory directory;
    auto* store = KanjiManager::getInstance();

    const Kanji one = store->getKanji(19968);
    EXPECT_EQ(one.getCharacter(), L"一");
    EXPECT_EQ(one.getGrade(), 5);
    EXPECT_EQ(one.getMeaning(), L"One");
    EXPECT_EQ(one.getOnyomi(), (std::set<std::wstring>{L"イチ", L"イツ"}));
    EXPECT_EQ(one.getKunyomi(), (std::set<std::wstring>{L"ひと"}));
    ASSERT_EQ(one.getStrokes().size(), 1u);
    EXPECT_EQ(one.getStrokes()[0].getPrimitiveType(), sf::LineStrip);
    EXPECT_TRUE(one.isNew());

    // Sets hold readings in code-unit order, not in text order.
    EXPECT_EQ(store->getKanji(key(L"分")).getOnyomi(), (std::set<std::wstring>{L"フン", L"ブ", L"ブン"}));
    EXPECT_TRUE(store->getKanji(key(L"万")).getKunyomi().empty());
    EXPECT_EQ(store->getKanji(key(L"下")).getKunyomi().size(), 6u);

    for (wchar_t c : grade5)
        EXPECT_FALSE(store->getKanji(key(std::wstring(1, c))).getStrokes().empty()) << "no strokes for kanji " << int(c);

    // A copy is independent of the store, and an unknown key stores nothing.
    auto strokes = one.getStrokes();
    strokes[0][0].position = {500, 500};
    EXPECT_NE(store->getKanji(19968).getStrokes()[0][0].position, sf::Vector2f(500, 500));
    EXPECT_TRUE(store->getKanji(12345).getCharacter().empty());
    EXPECT_EQ(store->countKanji(5), 103);
    store->save();
    EXPECT_EQ(TestDirectory::readFile(grade5Path).find("12345"), std::string::npos);
}

TEST(KanjiStore, ParsesHandMadeTextsAndSurvivesBadOnes)
{
    // No "#" at the end of either text, a point without a ";" at the end of
    // a line, and points that are not two numbers.
    kanjiTexts[5] = kanjiRecord(L"一", L"One", {L"イチ"}, {L"ひと"}) + kanjiRecord(L"二", L"Two", {}, {});
    strokeTexts[5] = L"一\n1,2;3,4;5,6\n7,8;x,9;10;11,12,13;;-3,-4;\n\n二\n20,21;";
    TestDirectory directory;
    auto* store = KanjiManager::getInstance();

    EXPECT_EQ(store->countKanji(5), 2);
    const auto strokes = store->getKanji(key(L"一")).getStrokes();
    ASSERT_EQ(strokes.size(), 2u);
    ASSERT_EQ(strokes[0].getVertexCount(), 3u);
    EXPECT_EQ(strokes[0][2].position, sf::Vector2f(5, 6));
    ASSERT_EQ(strokes[1].getVertexCount(), 3u);
    EXPECT_EQ(strokes[1][1].position, sf::Vector2f(11, 12));
    EXPECT_EQ(strokes[1][2].position, sf::Vector2f(-3, -4));
    EXPECT_EQ(store->getKanji(key(L"二")).getStrokes().size(), 1u);
    EXPECT_TRUE(store->getKanji(key(L"二")).getOnyomi().empty());
}

TEST(KanjiStore, HashCollisionKeepsTheLaterRecordAndGradesLoadInTurn)
{
    useGrade5Texts(kanjiRecord(L"一", L"One", {L"イチ"}, {}) + kanjiRecord(L"一", L"Uno", {L"ウノ"}, {}) +
                       kanjiRecord(L"八", L"Eight", {}, {}),
                   L"");
    TestDirectory directory;
    // A grade-5 key in the grade-4 file is unknown while grade 4 loads.
    TestDirectory::writeFile(ProgressFile::kanjiPath(4), progressRecord(20843, 50, 50, 50, 50) + "#");
    const std::string errors = stderrOf([] { KanjiManager::getInstance(); });
    EXPECT_EQ(errors, "WARNING: In grade 4 found saved data for kanji with hash code 20843 but no kanji was found\n"
                      "WARNING: Found hash collision between Uno and One (19968)\n"
                      "WARNING: Found hash collision between Eight and  (20843)\n");
    EXPECT_EQ(KanjiManager::getInstance()->countKanji(5), 1);
    EXPECT_EQ(KanjiManager::getInstance()->getKanji(19968).getMeaning(), L"Uno");
}

TEST(KanjiStore, SavedScoresDecideTheLists)
{
    useGrade5Texts(kanjiRecord(L"一", L"One", {L"イチ"}, {L"ひと"}) + kanjiRecord(L"八", L"Eight", {L"ハチ"}, {L"や"}) +
                       kanjiRecord(L"人", L"Person", {L"ジン"}, {L"ひと"}),
                   strokeRecord(L"一", {10}) + strokeRecord(L"八", {10}) + strokeRecord(L"人", {10}));
    TestDirectory directory;
    TestDirectory::writeFile(grade5Path, progressRecord(key(L"一"), 100, 100, 100, 100) +
                                             progressRecord(key(L"八"), 0, 100, 100, -1) +
                                             progressRecord(key(L"人"), -1, 0, 0, 0) + progressRecord(key(L"人"), 0, -1, 0, 0) +
                                             progressRecord(key(L"人"), 0, 0, -1, 0) +
                                             progressRecord(key(L"八"), 100, 100, 100, 100) + "#");
    auto* store = KanjiManager::getInstance();
    // 八 listed twice: the first entry moved it, the later scores win. 人 stays
    // new: every entry leaves one of its question scores unset.
    EXPECT_EQ(store->countMastered(5), 1);
    EXPECT_EQ(store->countKanji(5), 3);
    EXPECT_EQ(store->getKanji(key(L"八")).getDrawingScore(), 100);

    // Review reaches only the mastered kanji.
    for (unsigned seed = 1; seed <= 20; ++seed)
    {
        std::srand(seed);
        EXPECT_EQ(store->reviewExercise().getHash(), key(L"一"));
    }
    // Grade mode asks about the learning kanji until it introduces the new one.
    bool introduced = false;
    for (unsigned seed = 1; seed <= 200 && !introduced; ++seed)
    {
        std::srand(seed);
        const Exercise next = store->nextExercise(5, false);
        introduced = next.getType() == ExerciseType::NewKanjiInfo;
        EXPECT_EQ(next.getHash(), introduced ? key(L"人") : key(L"八"));
    }
    EXPECT_TRUE(introduced);
    EXPECT_EQ(store->countKanji(5), 3);
}

TEST(KanjiStore, UnknownSavedKeyIsWarnedAboutAndNotWrittenBack)
{
    TestDirectory directory;
    // A hand-edited "-5" is read as the unsigned conversion reads it, and reading goes on.
    TestDirectory::writeFile(grade5Path, progressRecord(12345, 10, 20, 30, 40) + "-5\n1\n1\n1\n1\n" +
                                             progressRecord(19968, 5, 6, 7, 8) + "#");
    const std::string errors = stderrOf([] { KanjiManager::getInstance(); });
    EXPECT_EQ(errors, "WARNING: In grade 5 found saved data for kanji with hash code 12345 but no kanji was found\n"
                      "WARNING: In grade 5 found saved data for kanji with hash code 18446744073709551611 but no "
                      "kanji was found\n");
    auto* store = KanjiManager::getInstance();
    EXPECT_EQ(store->countKanji(5), 103);
    EXPECT_EQ(store->getKanji(12345).getMeaningScore(), 10);
    EXPECT_EQ(store->getKanji(12345).getGrade(), 0);
    EXPECT_EQ(store->getKanji(19968).getOnyomiScore(), 7);

    store->save();
    const std::string saved = TestDirectory::readFile(grade5Path);
    EXPECT_EQ(saved.find("12345"), std::string::npos);
    EXPECT_EQ(saved.substr(0, 14), "19968\n5\n6\n7\n8\n");
}

// An empty file is damage too, not a fresh start.
TEST(KanjiStore, DamagedFileKeepsWhatWasReadAndACopy)
{
    TestDirectory directory;
    const std::string damaged = progressRecord(19968, 50, 60, 70, 80) + progressRecord(20843, 1, 2, 3, 4) +
                                "19977\n9\nnine\n9\n9\n#";
    TestDirectory::writeFile(grade5Path, damaged);
    TestDirectory::writeFile(ProgressFile::kanjiPath(4), "");
    auto* store = KanjiManager::getInstance();
    EXPECT_EQ(store->getKanji(19968).getOnyomiScore(), 70);
    EXPECT_EQ(store->getKanji(20843).getDrawingScore(), 4);
    EXPECT_EQ(store->getKanji(key(L"七")).getMeaningScore(), -1);
    EXPECT_EQ(TestDirectory::readFile(grade5Path + ".damaged"), damaged);
    // Loading never rewrites an existing file; the next save repairs it.
    EXPECT_EQ(TestDirectory::readFile(grade5Path), damaged);
    EXPECT_EQ(TestDirectory::readFile(ProgressFile::kanjiPath(4)), "");
    store->save();
    EXPECT_EQ(TestDirectory::readFile(grade5Path).substr(0, 16), "19968\n50\n60\n70\n8");
    EXPECT_EQ(TestDirectory::readFile(grade5Path + ".damaged"), damaged);
}

TEST(KanjiStore, ReadOnlyFileIsReadAndLeftAlone)
{
    TestDirectory directory;
    const PermissionBits bits;
    const std::string old = progressRecord(19968, 100, 100, 100, 100) + "#";
    TestDirectory::writeFile(grade5Path, old);
    TestDirectory::writeFile(ProgressFile::kanjiPath(4), "#\n");
    const auto readOnly = std::filesystem::perms::owner_read | std::filesystem::perms::group_read;
    std::filesystem::permissions(grade5Path, readOnly);
    auto* store = KanjiManager::getInstance();
    EXPECT_EQ(store->countMastered(5), 1);
    const std::string errors = stderrOf([store] { store->save(); });
    EXPECT_EQ(errors, "WARNING: could not write save/JLPTN5kanjiprogress.txt: it is read-only; its progress is "
                      "not saved and the file is left as it was\n");
    EXPECT_EQ(std::filesystem::status(grade5Path).permissions(), readOnly);
    EXPECT_EQ(TestDirectory::readFile(grade5Path), old);
    EXPECT_EQ(TestDirectory::readFile(ProgressFile::kanjiPath(4)), "#") << "the other files are saved";
}

TEST(KanjiStore, SaveSyncsTheSaveFolderOnceAfterTheRenames)
{
    TestDirectory directory;
    auto* store = KanjiManager::getInstance();
    EXPECT_EQ(ProgressFile::syncFolder("save"), 0);
    EXPECT_EQ(ProgressFile::syncFolder(grade5Path), ENOTDIR) << "opened as a folder";

    static std::vector<std::string> syncs; // the folder, and the grade-5 file as it was then
    ProgressFile::syncFolder = [](const std::string& folder) {
        syncs.push_back(folder + ":" + TestDirectory::readFile(grade5Path));
        return EIO;
    };
    const std::string errors = stderrOf([store] { store->save(); });
    ASSERT_EQ(syncs.size(), 1u);
    EXPECT_EQ(syncs[0], "save:" + TestDirectory::readFile(grade5Path));
    EXPECT_EQ(errors, "WARNING: could not sync the folder save: Input/output error; the last save may be lost on "
                      "a power cut\n");
}
