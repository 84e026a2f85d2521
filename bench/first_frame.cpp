// Starts the game on the X display in DISPLAY and reports, on one line, the
// time from exec to its first frame on screen and its peak resident memory:
//   inkwright-first-frame GAME [SETTLE_SECONDS]
// The window's pixels are polled from the X server, so what counts is what a
// player would see. The picture the menu settles on is taken as the first
// frame's (the menu does not move), and the first poll showing it dates the
// frame. The game is ended with SIGTERM after SETTLE_SECONDS (default 2).

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace
{
using Clock = std::chrono::steady_clock;

const char* const windowTitle = "Inkwright";
const int windowWidth = 800;
const int windowHeight = 600;
// Rows sampled per poll: enough to see the background and every menu widget.
const int sampledRows[] = {20, 100, 150, 200, 300, 400, 460, 520, 580};

int ignoreXErrors(Display*, XErrorEvent*)
{
    // The window may be unmapped or gone between two polls.
    return 0;
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

Window findWindow(Display* display)
{
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return 0;
    for (unsigned i = 0; i < count && !found; ++i)
    {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name)
        {
            if (std::strcmp(name, windowTitle) == 0)
                found = children[i];
            XFree(name);
        }
    }
    if (children)
        XFree(children);
    return found;
}

// A hash of the sampled rows; false while the window cannot be read.
bool sampleWindow(Display* display, Window window, std::uint64_t& hash)
{
    hash = 1469598103934665603ull;
    for (const int row : sampledRows)
    {
        XImage* image = XGetImage(display, window, 0, row, windowWidth, 1, AllPlanes, ZPixmap);
        if (!image)
            return false;
        for (int x = 0; x < windowWidth; ++x)
            hash = (hash ^ (XGetPixel(image, x, 0) & 0xFFFFFF)) * 1099511628211ull;
        XDestroyImage(image);
    }
    return true;
}

struct Poll
{
    double milliseconds;
    std::uint64_t hash;
};
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: %s GAME [SETTLE_SECONDS]\n", argv[0]);
        return 2;
    }
    const double settleMilliseconds = (argc > 2 ? std::atof(argv[2]) : 2.0) * 1000.0;

    Display* display = XOpenDisplay(nullptr);
    if (!display)
    {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreXErrors);

    const Clock::time_point start = Clock::now();
    const pid_t game = fork();
    if (game == 0)
    {
        execl(argv[1], argv[1], static_cast<char*>(nullptr));
        _exit(127);
    }

    Window window = 0;
    std::vector<Poll> polls;
    while (millisecondsSince(start) < settleMilliseconds)
    {
        int status = 0;
        if (waitpid(game, &status, WNOHANG) == game)
        {
            std::fprintf(stderr, "the game ended before the measurement did\n");
            return 1;
        }
        if (!window)
            window = findWindow(display);
        std::uint64_t hash = 0;
        if (window && sampleWindow(display, window, hash))
            polls.push_back({millisecondsSince(start), hash});
        else
            std::this_thread::sleep_for(std::chrono::microseconds(200));
    }

    kill(game, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(game, &status, 0, &usage);
    XCloseDisplay(display);

    if (polls.empty())
    {
        std::fprintf(stderr, "no window titled %s appeared\n", windowTitle);
        return 1;
    }
    const std::uint64_t settled = polls.back().hash;
    if (polls.front().hash == settled)
    {
        std::fprintf(stderr, "the window showed its final picture at the first look; no frame to date\n");
        return 1;
    }
    std::size_t first = 0;
    while (polls[first].hash != settled)
        ++first;
    std::printf("first_frame_ms=%.1f peak_rss_kb=%ld polls=%zu window_seen_ms=%.1f\n", polls[first].milliseconds,
                usage.ru_maxrss, polls.size(), polls.front().milliseconds);
    return 0;
}
