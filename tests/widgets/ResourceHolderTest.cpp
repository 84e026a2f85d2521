#include "widgets/Common.hpp"
#include "widgets/ResourceHolder.hpp"
#include "widgets/ResourceIds.hpp"

#include "support/TestDirectory.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace
{
// A working directory with real copies of the asset folders, so single
// files can be taken away.
class AssetCopy
{
public:
    AssetCopy()
    {
        previous = fs::current_path();
        std::string pattern = (fs::temp_directory_path() / "inkwright-assets-XXXXXX").string();
        directory = ::mkdtemp(pattern.data());
        for (const char* folder : {"sprites", "fonts", "sounds"})
            fs::copy(fs::path(TestDirectory::sourceDir()) / folder, directory / folder, fs::copy_options::recursive);
    }
    ~AssetCopy()
    {
        fs::current_path(previous);
        fs::remove_all(directory);
    }
    void remove(const std::string& file) { fs::remove(directory / file); }
    void enter() const { fs::current_path(directory); }
    const fs::path& path() const { return directory; }

private:
    fs::path previous;
    fs::path directory;
};

// Runs this test binary (which holds global sounds) in the given folder and
// returns its exit code and standard error.
int runSelfIn(const fs::path& folder, std::string& errors)
{
    const std::string command = "cd '" + folder.string() + "' && '" + fs::read_symlink("/proc/self/exe").string() +
                                "' --gtest_list_tests 2>&1 >/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe))
        errors += buffer;
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
} // namespace

// Keeps the button sounds linked in, so this binary loads sounds before main.
extern sf::Sound hoverSound;

TEST(ResourceHolder, LoadsEveryListOnceAndKeepsTheInstance)
{
    TextureHolder* textures = TextureHolder::getInstance();
    EXPECT_EQ(textures, TextureHolder::getInstance());
    for (int id = TextureId::Title; id <= TextureId::DrawingBoard; ++id)
        EXPECT_GT(textures->get(id).getSize().x, 40u) << "texture " << id;
    FontHolder* fonts = FontHolder::getInstance();
    EXPECT_EQ(fonts, FontHolder::getInstance());
    EXPECT_NE(&fonts->get(FontId::MoboBold), &fonts->get(FontId::ShipporiGothicB2OtfBold));
    EXPECT_GT(SoundBufferHolder::getInstance()->get(SoundId::CorrectAnswer).getSampleCount(), 0u);
    EXPECT_EQ(hoverSound.getBuffer(), &SoundBufferHolder::getInstance()->get(SoundId::HoverOverButton));
}

TEST(ResourceHolder, KeepsTheFirstResourceOfAnId)
{
    TextureHolder* textures = TextureHolder::getInstance();
    const sf::Texture* before = &textures->get(TextureId::Title);
    const sf::Vector2u titleSize = before->getSize();
    textures->load(TextureId::Title, "sprites/icon.png");
    EXPECT_EQ(&textures->get(TextureId::Title), before);
    EXPECT_EQ(textures->get(TextureId::Title).getSize(), titleSize);
}

TEST(ResourceHolder, UnknownIdEndsTheProcess)
{
    const std::string message = "ERROR: could not find the desired element in the resource holder\n";
    EXPECT_EXIT(TextureHolder::getInstance()->get(25), testing::ExitedWithCode(1), message);
    EXPECT_EXIT(FontHolder::getInstance()->get(2), testing::ExitedWithCode(1), message);
    EXPECT_EXIT(createSound(5), testing::ExitedWithCode(1), message);
}

// A missing file ends the process naming it; of two, the first in load order
// (the undo arrow's bottom before its top).
TEST(ResourceHolder, MissingFileEndsTheProcessNamingTheFirstInLoadOrder)
{
    const auto textures = [] { TextureHolder::getInstance(); };
    const struct
    {
        std::vector<std::string> removed;
        void (*load)();
        std::string named;
    } cases[] = {
        {{"sprites/background.png", "sprites/big_menu_button_bottom.png"}, textures, "sprites/background.png"},
        {{"sprites/undo_arrow_top.png", "sprites/undo_arrow_bottom.png"}, textures, "sprites/undo_arrow_bottom.png"},
        {{"fonts/ShipporiGothicB2-OTF-Bold.otf"}, [] { FontHolder::getInstance(); }, "fonts/ShipporiGothicB2-OTF-Bold.otf"},
    };
    for (const auto& c : cases)
    {
        AssetCopy assets;
        for (const auto& file : c.removed)
            assets.remove(file);
        assets.enter();
        EXPECT_EXIT(c.load(), testing::ExitedWithCode(1), "ERROR: file " + c.named + " not found\n");
    }
}

TEST(ResourceHolder, MissingSoundEndsTheProcessBeforeMain)
{
    AssetCopy assets;
    assets.remove("sounds/press_button.wav");
    std::string errors;
    EXPECT_EQ(runSelfIn(assets.path(), errors), 1);
    EXPECT_NE(errors.find("ERROR: file sounds/press_button.wav not found\n"), std::string::npos) << errors;
}
