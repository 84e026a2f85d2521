#include "MainWindowFixture.hpp"

#include <cmath>
#include <filesystem>

// Last: Xlib's macros clash with names above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

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

// Empties save/, clicks, and tells whether all ten progress files came back.
bool clickWritesEveryProgressFile(MainWindowFixture& test, int x, int y)
{
    fs::remove_all("save");
    fs::create_directory("save");
    test.click(x, y);
    int files = 0;
    for (int grade = 1; grade <= 5; ++grade)
        for (const char* kind : {"kanji", "word"})
            files += fs::exists("save/JLPTN" + std::to_string(grade) + kind + "progress.txt");
    return files == 10;
}
} // namespace

// 一 and 右中間 each one right meaning short of mastery, all else mastered.
TEST_F(MainWindowFixture, LevelLabelCountsAndTurnsGreenOnlyWhenKanjiAndWordsAreAllMastered)
{
    open({{L"一", {90, 100, 100, 100}}, {L"右中間", {100, 90}}});
    const Button& level = menu->levelButton;
    const int levelAtRest = face(level).top, backAtRest = face(window->getBackButton()).top;
    EXPECT_EQ(level.getText(), label(5, "102/103", "293/294"));
    EXPECT_LT(std::abs(greenness(capture())), 10.f) << "an unfinished level is grey";

    click(191, 520); // left: 5 wraps to 1
    EXPECT_EQ(level.getText(), label(1, "0/0", "0/0"));
    EXPECT_GT(greenness(capture()), 60.f) << "0/0 and 0/0 count as complete";
    click(191, 520);
    EXPECT_EQ(window->getLevel(), 2);
    click(341, 520); // right: 1, then wraps to 5, then 4
    EXPECT_EQ(window->getLevel(), 1);
    click(341, 520);
    EXPECT_EQ(level.getText(), label(5, "102/103", "293/294"));
    click(341, 520);
    EXPECT_EQ(level.getText(), label(4, "0/0", "0/0"));
    click(266, 400);
    EXPECT_EQ(window->getState(), 0) << "a level without material has nothing to ask";
    click(191, 520);

    steer(1); // the word store first
    click(266, 400);
    ASSERT_EQ(window->getState(), ExerciseType::WordMeaningQuestion);
    clickOption(true); // masters 右中間; the kanji question on 一 follows
    ASSERT_EQ(window->getState(), ExerciseType::KanjiMeaningQuestion);
    click(60, 70);
    EXPECT_EQ(level.getText(), label(5, "102/103", "294/294")) << "back shows the fresh counts";
    EXPECT_LT(std::abs(greenness(capture())), 10.f) << "all words without all kanji is not complete";
    EXPECT_EQ(face(level).top, levelAtRest) << "back shows the menu at rest";

    click(266, 400);
    EXPECT_EQ(face(window->getBackButton()).top, backAtRest) << "a run starts with back at rest";
    clickOption(true); // masters 一: nothing is left to ask
    EXPECT_EQ(window->getState(), 0);
    EXPECT_EQ(level.getText(), label(5, "103/103", "294/294"));
    EXPECT_GT(greenness(capture()), 60.f);

    steer(0); // review asks words first on an even draw
    click(533, 400);
    ASSERT_TRUE(window->getState() == 4 || window->getState() == 5) << "Tarrow Mode reviews mastered items";
    clickOption(false);
    click(60, 70);
    EXPECT_EQ(level.getText(), label(5, "103/103", "293/294")) << "a wrong review answer unmasters the word";
    EXPECT_LT(std::abs(greenness(capture())), 10.f) << "all kanji without all words is not complete";
}

// A fresh start: level 5 with nothing mastered, and a run that opens on a
// new-kanji card (the first draw sends it to the kanji store).
TEST_F(MainWindowFixture, FreshRunStartsOnNewKanjiCard)
{
    open();
    EXPECT_EQ(menu->levelButton.getText(), label(5, "0/103", "0/294"));
    click(266, 400);
    ASSERT_EQ(window->getState(), ExerciseType::NewKanjiInfo);

    const Kanji kanji = KanjiManager::getInstance()->getKanji(current().getHash());
    EXPECT_EQ(window->getQuestionSign().getText().toWideString(), kanji.getCharacter());
    EXPECT_EQ(window->getMeaningSign().getText().toWideString(), L"Meaning: " + kanji.getMeaning());
    EXPECT_FALSE(kanji.isNew()) << "the card introduced its kanji";
}

// 一 learning with its own four scores, all else mastered.
TEST_F(MainWindowFixture, BackAndSaveWriteProgressFiles)
{
    open({{L"一", {30, 40, 70, 60}}});
    click(266, 400);
    const int state = window->getState();
    ASSERT_TRUE(state >= 1 && state <= 6);

    // A fresh exercise paints the save button as unsaved (blue-grey).
    sf::Vector3f saveColour = meanColour(capture(), 160, 60, 30, 25);
    EXPECT_GT(saveColour.z - saveColour.x, 30.f);

    EXPECT_TRUE(clickWritesEveryProgressFile(*this, 160, 70));
    EXPECT_EQ(window->getState(), state) << "saving stays on the screen";
    saveColour = meanColour(capture(), 160, 60, 30, 25);
    EXPECT_LT(saveColour.z - saveColour.x, 15.f) << "saved is plain grey";

    EXPECT_TRUE(clickWritesEveryProgressFile(*this, 60, 70));
    EXPECT_EQ(window->getState(), 0);

    // Records in ascending keys: 一 first, then 七, ..., 魚 last.
    const std::string kanjiFile = TestDirectory::readFile("save/JLPTN5kanjiprogress.txt");
    EXPECT_EQ(kanjiFile.substr(0, 40), "19968\n30\n40\n70\n60\n19971\n100\n100\n100\n100\n");
    EXPECT_EQ(kanjiFile.substr(kanjiFile.size() - 23), "39770\n100\n100\n100\n100\n#");
}

// An 800 x 600 window titled "Inkwright" that cannot be resized, with the
// title picture centred on (400, 150); a missing icon is reported and
// start-up goes on.
TEST_F(MainWindowFixture, WindowIsFixedTitledAndReportsAMissingIcon)
{
    open();
    const sf::WindowHandle handle = window->getWindow().getSystemHandle();
    EXPECT_EQ(window->getWindow().getSize(), sf::Vector2u(800, 600));
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr);
    XSizeHints hints{};
    long supplied = 0;
    XGetWMNormalHints(display, handle, &hints, &supplied);
    EXPECT_EQ(hints.flags & (PMinSize | PMaxSize), PMinSize | PMaxSize) << "a fixed size";
    EXPECT_EQ(sf::Vector2i(hints.min_width, hints.min_height), sf::Vector2i(800, 600));
    EXPECT_EQ(sf::Vector2i(hints.max_width, hints.max_height), sf::Vector2i(800, 600));
    char* name = nullptr;
    XFetchName(display, handle, &name);
    EXPECT_STREQ(name, "Inkwright");
    // Buttons' places: the middle of the face and the bottom of the base.
    for (const auto& [button, x, bottom] : {std::tuple(&window->getContinueButton(), 640, 100 + 60),
                                            std::tuple(&window->getHelpButton(), 260, 70 + 35),
                                            std::tuple(&window->getBackButton(), 60, 70 + 30)})
        EXPECT_EQ(sf::Vector2i(face(*button).left + face(*button).width / 2, face(*button).top + face(*button).height),
                  sf::Vector2i(x, bottom));
    XFree(name);
    XCloseDisplay(display);

    // The 560 x 150 title picture spans (120, 75) to (680, 225).
    const sf::Sprite backdrop = background();
    sf::Sprite title(TextureHolder::getInstance()->get(TextureId::Title));
    title.setPosition(120.f, 75.f);
    const sf::Image want = rendering::render({backdrop, title}, 800, 600, sf::Color::Black), got = capture();
    int differing = 0;
    for (unsigned y = 50; y < 250; ++y)
        for (unsigned x = 0; x < 800; ++x)
            differing += want.getPixel(x, y) != got.getPixel(x, y);
    EXPECT_EQ(differing, 0);

    fs::remove("sprites");
    fs::create_directory("sprites");
    testing::internal::CaptureStderr();
    MainWindow withoutIcon;
    EXPECT_NE(testing::internal::GetCapturedStderr().find(
                  "ERROR: couldn't load the icon. Is it located at sprites/icon.png and has the right permissions?\n"),
              std::string::npos);
    EXPECT_TRUE(withoutIcon.getWindow().isOpen());
}
