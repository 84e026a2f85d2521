// Kills a process that plays and saves in a loop (tests/drivers/save_loop.cpp)
// with SIGKILL at random moments, 200 times (50 in the sanitized build),
// and checks after each kill that every progress file holds, whole, what the
// last finished save or the interrupted one writes, and that the next process
// loads it silently.

#include "study/ProgressFile.hpp"
#include "support/StorePlayer.hpp"
#include "support/TestDirectory.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace
{
using Clock = std::chrono::steady_clock;
using Files = std::map<std::string, std::string>;

const char* const saveLoop = INKWRIGHT_SAVE_LOOP;
const int killRounds = INKWRIGHT_KILL_ROUNDS;

// The progress files under a folder; a missing one reads as "(missing)".
Files progressFiles(const fs::path& folder)
{
    Files files;
    for (const auto& path : StorePlayer::progressPaths())
        files[path] = fs::exists(folder / path) ? TestDirectory::readFile((folder / path).string()) : "(missing)";
    return files;
}

// One run of the save loop, its output read line by line through a pipe and
// its standard error kept in driver.err.
class SaveLoop
{
public:
    // Saves without end unless a number of saves is given.
    explicit SaveLoop(unsigned seed, int saves = -1)
    {
        int ends[2];
        if (::pipe(ends) != 0)
            throw std::runtime_error("pipe");
        pid = ::fork();
        if (pid == 0)
        {
            ::dup2(ends[1], STDOUT_FILENO);
            const int errors = ::open("driver.err", O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(errors, STDERR_FILENO);
            ::close(ends[0]);
            ::close(ends[1]);
            const std::string seedText = std::to_string(seed);
            const std::string savesText = std::to_string(saves);
            ::execl(saveLoop, saveLoop, seedText.c_str(), saves < 0 ? nullptr : savesText.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(ends[1]);
        output = ends[0];
    }

    ~SaveLoop()
    {
        kill();
        ::close(output);
    }

    // Reads until a line equal to the given one; false at the end of output.
    bool waitFor(const std::string& wanted)
    {
        std::string line;
        while (readLine(line))
            if (line == wanted)
                return true;
        return false;
    }

    // Kills the process and reads what it said before it died.
    void kill()
    {
        if (pid <= 0)
            return;
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        pid = 0;
        std::string line;
        while (readLine(line))
        {
        }
    }

    // The number of the last line with the prefix ("saved ", "expect "), -1 for none.
    int last(const std::string& prefix) const
    {
        for (auto it = lines.rbegin(); it != lines.rend(); ++it)
            if (it->rfind(prefix, 0) == 0)
                return std::stoi(it->substr(prefix.size()));
        return -1;
    }

private:
    bool readLine(std::string& line)
    {
        line.clear();
        char c = 0;
        while (::read(output, &c, 1) == 1)
        {
            if (c == '\n')
            {
                lines.push_back(line);
                return true;
            }
            line += c;
        }
        return false;
    }

    pid_t pid = 0;
    int output = -1;
    std::vector<std::string> lines;
};

struct Tally
{
    int kills = 0;
    int duringWrite = 0; // a temporary file was left behind
    int newContent = 0;  // some file already held the interrupted save
};

// After a kill: every file is the old or the new content, whole.
void checkAfterKill(const SaveLoop& loop, const Files& before, Tally& tally)
{
    const int saved = loop.last("saved ");
    const int expected = loop.last("expect ");
    const Files old = saved < 0 ? before : progressFiles("expected/" + std::to_string(saved));
    const bool hasNew = expected == saved + 1;
    const Files fresh = hasNew ? progressFiles("expected/" + std::to_string(expected)) : Files();
    const Files now = progressFiles(".");
    bool anyNew = false;
    bool anyTemporary = false;
    for (const auto& [path, content] : now)
    {
        const bool isOld = content == old.at(path);
        const bool isNew = hasNew && content == fresh.at(path);
        EXPECT_TRUE(isOld || isNew) << path << " after save " << saved << " holds:\n" << content;
        anyNew = anyNew || (isNew && !isOld);
        anyTemporary = anyTemporary || fs::exists(path + ".tmp");
    }
    // What a new process loaded must be what was on disk.
    if (expected >= 0)
    {
        EXPECT_EQ(progressFiles("expected/0"), before) << "the loaded stores save other content";
    }
    EXPECT_EQ(TestDirectory::readFile("driver.err"), "");
    ++tally.kills;
    tally.duringWrite += anyTemporary;
    tally.newContent += anyNew;
}
} // namespace

TEST(SaveKill, EveryProgressFileIsTheOldOrTheNewContentWhole)
{
    // A kill leaves the page cache as it was, so a file system in memory
    // shows the same outcomes as a disk, without the wait for fsync.
    TestDirectory directory(true, fs::is_directory("/dev/shm") ? "/dev/shm" : "");
    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);

    // A first run creates the files and times a save cycle.
    const int timedSaves = 10;
    Clock::duration cycle;
    {
        SaveLoop loop(random(), timedSaves);
        ASSERT_TRUE(loop.waitFor("loaded")) << TestDirectory::readFile("driver.err");
        const auto start = Clock::now();
        ASSERT_TRUE(loop.waitFor("saved " + std::to_string(timedSaves - 1)));
        cycle = (Clock::now() - start) / timedSaves;
    }
    fs::remove_all("expected");

    // Kill somewhere within the first three cycles after loading.
    const long window = std::chrono::duration_cast<std::chrono::microseconds>(cycle * 3).count();
    std::uniform_int_distribution<long> delay(0, std::max(window, 1000L));
    Tally tally;
    Files before = progressFiles(".");
    for (int round = 0; round < killRounds && !HasFailure(); ++round)
    {
        SaveLoop loop(random());
        ASSERT_TRUE(loop.waitFor("loaded")) << TestDirectory::readFile("driver.err");
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        loop.kill();
        checkAfterKill(loop, before, tally);
        before = progressFiles(".");
        fs::remove_all("expected");
    }
    std::cout << "kills: " << tally.kills << ", inside a write: " << tally.duringWrite
              << ", with new content: " << tally.newContent << ", cycle: "
              << std::chrono::duration_cast<std::chrono::microseconds>(cycle).count() << " us\n";
    // The kills must have hit saves, not only the gaps between them.
    EXPECT_GT(tally.duringWrite, 0);
    EXPECT_GT(tally.newContent, 0);
}
