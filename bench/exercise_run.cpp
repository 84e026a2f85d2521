// A scripted run of the real main window: plays COUNT exercises (default
// 1000) the way a learner would, with a wrong answer or stroke now and then,
// in a temporary working directory, and prints the resident memory after
// 10, 100, 250, 500, 750, 1000, 2000 and COUNT exercises, to show where it
// levels off:
//   inkwright-exercise-run [COUNT] [SEED]
// Needs a display; the game's assets are taken from the source folder.

#include "bench/WindowDriver.hpp"
#include "support/TestDirectory.hpp"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

namespace
{
long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}
} // namespace

int main(int argc, char** argv)
{
    const int count = argc > 1 ? std::atoi(argv[1]) : 1000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    const std::set<int> checkpoints = {10, 100, 250, 500, 750, 1000, 2000, count};

    const TestDirectory directory;
    std::srand(seed);
    MainWindow::MenuButtons menu;
    MainWindow window;
    window.setUp(menu);
    WindowDriver driver(window);
    driver.frame();

    int shown = 0;
    double slowest = 0;
    while (shown < count)
    {
        const WindowDriver::Step step = driver.finishScreen(std::rand() % 4 == 0);
        if (!step.showedNext || step.to == 0)
            continue;
        ++shown;
        slowest = std::max(slowest, step.milliseconds);
        if (checkpoints.count(shown) > 0)
            std::printf("after=%d rss_kb=%ld\n", shown, residentKilobytes());
    }
    std::printf("slowest_layout_ms=%.1f\n", slowest);
    return 0;
}
