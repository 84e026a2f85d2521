#include "study/TeachingTexts.hpp"
#include "study/WordFileSplitter.hpp"
#include "support/TestDirectory.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
std::string gradeFile(int grade)
{
    return TestDirectory::readFile("files/JLPTN" + std::to_string(grade) + "words.txt");
}

// Runs the splitter on the given UTF-8 input in a fresh "files/" folder.
void split(const std::string& input)
{
    std::filesystem::create_directory("files");
    TestDirectory::writeFile("files/words.txt", input);
    splitWordFile();
}

const std::string up = "上\nうえ\nUp\nーーーー\n";
const std::string that = "あの\nあの\nThat\nーーーー\n";
const std::string oneThing = "一つ\nひとつ\nOne thing\nーーーー\n";
} // namespace

TEST(WordFileSplitter, DropsRepeatedWordsAndSortsTheRestByGrade)
{
    TestDirectory directory;
    split(up + that + "上\nかみ\nAbove\nーーーー\n" + oneThing + "\nblank\nEmpty\nーーーー\n" +
          "\nagain\nEmpty again\nーーーー\n#\nafter\n");

    const std::string kept = up + that + oneThing + "\nblank\nEmpty\nーーーー\n#";
    EXPECT_EQ(TestDirectory::readFile("files/newWords.txt"), kept);
    EXPECT_EQ(gradeFile(5), kept);
    for (int grade = 1; grade <= 4; ++grade)
        EXPECT_EQ(gradeFile(grade), "#");
}

TEST(WordFileSplitter, TheMostAdvancedKnownKanjiDecidesTheGrade)
{
    TestDirectory directory;
    kanjiTexts[3] = L"曜\nWeekday\nヨウ\n\n\u30FC\u30FC\u30FC\u30FC\n#";
    const std::string weekday = "曜日\nようび\nDay of the week\nーーーー\n";
    const std::string monday = "月曜\nげつよう\nMonday\nーーーー\n";
    split(weekday + up + monday + "#");

    EXPECT_EQ(gradeFile(3), weekday + monday + "#");
    EXPECT_EQ(gradeFile(5), up + "#");
    EXPECT_EQ(TestDirectory::readFile("files/newWords.txt"), weekday + up + monday + "#");
}

TEST(WordFileSplitter, LoneEndMarkGivesSixEmptyFilesAndTheKanjiProgressFiles)
{
    TestDirectory directory(false);
    split("#");
    EXPECT_EQ(TestDirectory::readFile("files/newWords.txt"), "#");
    for (int grade = 1; grade <= 5; ++grade)
        EXPECT_EQ(gradeFile(grade), "#");
    // As the README says: it loads the kanji store, which creates these.
    EXPECT_TRUE(std::filesystem::exists("save/JLPTN5kanjiprogress.txt"));
}

// Windows line ends are read and written as line feeds; input without an end
// mark stops at its end.
TEST(WordFileSplitter, WindowsLineEndsAndAMissingEndMark)
{
    TestDirectory directory;
    std::string crlf = up + that + up + "#\nlater\n";
    for (std::size_t at = 0; (at = crlf.find('\n', at)) != std::string::npos; at += 2)
        crlf.insert(at, "\r");
    for (const std::string& input : {crlf, up + that})
    {
        split(input);
        EXPECT_EQ(TestDirectory::readFile("files/newWords.txt"), up + that + "#");
        EXPECT_EQ(gradeFile(5), up + that + "#");
    }
}

TEST(WordFileSplitter, MissingInputOrAFolderEndsWithAnErrorAndTouchesNothing)
{
    TestDirectory directory;
    std::filesystem::create_directory("files");
    TestDirectory::writeFile("files/newWords.txt", "old");
    EXPECT_EXIT(splitWordFile(), ::testing::ExitedWithCode(1), "^ERROR: file files/words.txt not found\n");
    std::filesystem::create_directory("files/words.txt");
    EXPECT_EXIT(splitWordFile(), ::testing::ExitedWithCode(1), "^ERROR: file files/words.txt not found\n");
    EXPECT_EQ(TestDirectory::readFile("files/newWords.txt"), "old");
    EXPECT_FALSE(std::filesystem::exists("files/JLPTN5words.txt"));
}

TEST(WordFileSplitter, InputThatIsNotUtf8IsRefusedAndReplacesNothing)
{
    // Reading used to stop silently at the bad byte, leaving every output cut
    // short there and ending with a half record.
    TestDirectory directory;
    std::filesystem::create_directory("files");
    TestDirectory::writeFile("files/newWords.txt", "old");
    // A bad byte, input that ends inside a character, and a sequence broken
    // by a zero byte, which the locale's converter used to join across it.
    const std::pair<std::string, int> cases[] = {{up + "下\n\xff\nDown\nーーーー\n" + that + "#", 6},
                                                 {up + "\xe4\xb8", 5},
                                                 {up + std::string("\xea\0\x94\x94\n", 5), 5}};
    for (const auto& [bad, line] : cases)
    {
        TestDirectory::writeFile("files/words.txt", bad);
        testing::internal::CaptureStderr();
        EXPECT_FALSE(splitWordFile());
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "ERROR: files/words.txt line " + std::to_string(line) + " is not valid UTF-8; nothing was written\n");
        EXPECT_EQ(TestDirectory::readFile("files/newWords.txt"), "old");
        EXPECT_FALSE(std::filesystem::exists("files/JLPTN5words.txt"));
    }

    // Whatever follows the end mark is never read.
    split(up + "#\n\xff");
    EXPECT_EQ(TestDirectory::readFile("files/newWords.txt"), up + "#");
}
