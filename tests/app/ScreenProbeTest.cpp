#include "MainWindowFixture.hpp"

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

// Screenshots of every screen, taken as it appears (buttons still fading) and
// once it has settled, read back by the end-to-end test's screen reader.
TEST_F(MainWindowFixture, ScreenReaderKnowsEveryScreen)
{
    const char* const names[10] = {"0", "1-2", "1-2", "3-5", "3-5", "3-5", "6", "7", "8", "9"};
    std::vector<std::pair<std::string, std::string>> shots; // path, screen shown
    open();
    std::string command = "python3 " + TestDirectory::sourceDir() + "/tests/app/screen_probe.py screen";
    for (int state = 0; state <= 9; ++state)
    {
        ASSERT_TRUE(reach([state](int s) { return s == state; })) << state;
        for (const char* moment : {"arriving", "settled"})
        {
            shots.push_back({directory->path() + "/" + std::to_string(state) + moment + ".png", names[state]});
            ASSERT_TRUE(capture().saveToFile(shots.back().first));
            command += " " + shots.back().first;
            for (int i = 0; i < 40; ++i)
                frame();
        }
    }

    FILE* probe = popen(command.c_str(), "r");
    ASSERT_NE(probe, nullptr);
    char line[64];
    for (const auto& [path, screen] : shots)
        EXPECT_EQ(fgets(line, sizeof line, probe) ? std::string(line) : "", screen + "\n") << path;
    EXPECT_EQ(pclose(probe), 0);
}
