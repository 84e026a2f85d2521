#include "MainWindowFixture.hpp"

#include <cmath>
#include <filesystem>

namespace fs = std::filesystem;

namespace
{
std::wstring label(int level, const std::string& kanji, const std::string& words)
{
    const std::string text = "JLPT N" + std::to_string(level) + "\nKanji: " + kanji + "\nWords: " + words;
    return std::wstring(text.begin(), text.end());
}

// Green minus red over the level button's face.
float greenness(const sf::Image& image)
{
    const sf::Vector3f c = MainWindowFixture::meanColour(image, 266, 390, 100, 60);
    return c.y - c.x;
}

bool allProgressFilesExist()
{
    for (int grade = 1; grade <= 5; ++grade)
        for (const char* kind : {"kanji", "word"})
            if (!fs::exists("save/JLPTN" + std::to_string(grade) + kind + "progress.txt"))
                return false;
    return true;
}

void removeProgressFiles()
{
    fs::remove_all("save");
    fs::create_directory("save");
}
} // namespace

TEST_F(MainWindowFixture, LevelArrowsWrapAroundAndRelabel)
{
    EXPECT_EQ(window->getState(), 0);
    EXPECT_EQ(window->getLevel(), 5);
    EXPECT_EQ(menu->levelButton.getText(), label(5, "0/103", "0/294"));
    EXPECT_LT(std::abs(greenness(capture())), 10.f) << "an unfinished level is grey";

    click(191, 520); // left: 5 wraps to 1
    EXPECT_EQ(window->getLevel(), 1);
    EXPECT_EQ(menu->levelButton.getText(), label(1, "0/0", "0/0"));
    click(191, 520);
    EXPECT_EQ(window->getLevel(), 2);

    click(341, 520); // right: 1, then wraps to 5, then 4
    EXPECT_EQ(window->getLevel(), 1);
    click(341, 520);
    EXPECT_EQ(window->getLevel(), 5);
    EXPECT_EQ(menu->levelButton.getText(), label(5, "0/103", "0/294"));
    click(341, 520);
    EXPECT_EQ(window->getLevel(), 4);
    EXPECT_EQ(menu->levelButton.getText(), label(4, "0/0", "0/0"));
    EXPECT_GT(greenness(capture()), 60.f) << "0/0 and 0/0 count as complete";

    // A level without material has nothing to ask: the menu stays.
    click(266, 400);
    EXPECT_EQ(window->getState(), 0);
    EXPECT_EQ(menu->levelButton.getText(), label(4, "0/0", "0/0"));
}

TEST_F(MainWindowFixture, RunStartsOnNewKanjiCard)
{
    click(266, 400);
    ASSERT_EQ(window->getState(), ExerciseType::NewKanjiInfo);

    const Kanji kanji = currentKanji();
    EXPECT_EQ(window->getQuestionSign().getText().toWideString(), kanji.getCharacter());
    EXPECT_EQ(window->getMeaningSign().getText().toWideString(), L"Meaning: " + kanji.getMeaning());

    auto expectReadings = [](const std::vector<Sign>& signs, const std::set<std::wstring>& readings) {
        auto reading = readings.begin();
        for (const Sign& sign : signs)
        {
            const std::wstring shown = sign.getText().toWideString();
            if (reading != readings.end())
                EXPECT_EQ(shown, *reading++);
            else
                EXPECT_TRUE(shown.empty());
        }
    };
    expectReadings(window->getKunyomiSigns(), kanji.getKunyomi());
    expectReadings(window->getOnyomiSigns(), kanji.getOnyomi());

    // The card was introduced: its kanji now counts as being learned.
    EXPECT_FALSE(kanji.isNew());
}

TEST_F(MainWindowFixture, BackAndSaveWriteProgressFiles)
{
    ASSERT_TRUE(reach([](int s) { return s >= 1 && s <= 6; }));
    const Exercise exercise = current();

    // A fresh exercise paints the save button as unsaved (blue-grey).
    sf::Vector3f saveColour = meanColour(capture(), 160, 60, 30, 25);
    EXPECT_GT(saveColour.z - saveColour.x, 30.f);

    removeProgressFiles();
    click(160, 70);
    EXPECT_TRUE(allProgressFilesExist());
    EXPECT_EQ(window->getState(), exercise.getType()) << "saving stays on the screen";
    saveColour = meanColour(capture(), 160, 60, 30, 25);
    EXPECT_LT(saveColour.z - saveColour.x, 15.f) << "saved is plain grey";

    removeProgressFiles();
    click(60, 70);
    EXPECT_TRUE(allProgressFilesExist());
    EXPECT_EQ(window->getState(), 0);

    // Whatever was shown has left the new list, and the file says so.
    const std::string kanjiFile = TestDirectory::readFile("save/JLPTN5kanjiprogress.txt");
    EXPECT_EQ(kanjiFile.back(), '#');
    EXPECT_NE(kanjiFile.find("\n0\n"), std::string::npos);
}
