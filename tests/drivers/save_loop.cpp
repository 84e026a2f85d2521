// Loads both stores from save/ in the working folder, then plays and saves
// in a loop until it is killed (or SAVES saves are done). Before save <n> it
// writes the very same content under expected/<n>/save/, so whoever kills it
// knows what that save may leave behind. Each line on standard output is
// written once what it announces is complete:
//   loaded        the stores are loaded
//   expect <n>    expected/<n>/ holds what save <n> writes
//   saved <n>     save <n> is done
// expected/0/ stays: it shows what the stores made of the files they loaded.
// Usage: inkwright-save-loop SEED [SAVES]

#include "study/KanjiManager.hpp"
#include "study/WordManager.hpp"
#include "support/StorePlayer.hpp"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
void say(const std::string& line)
{
    const std::string out = line + "\n";
    if (::write(STDOUT_FILENO, out.data(), out.size()) != static_cast<ssize_t>(out.size()))
        std::exit(2);
}

void saveBoth()
{
    KanjiManager::getInstance()->save();
    WordManager::getInstance()->save();
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    std::srand(static_cast<unsigned>(std::strtoul(argv[1], nullptr, 10)));
    const long saves = argc > 2 ? std::strtol(argv[2], nullptr, 10) : -1;

    KanjiManager::getInstance();
    WordManager::getInstance();
    say("loaded");

    const StorePlayer player;
    const fs::path home = fs::current_path();
    for (long n = 0; saves < 0 || n < saves; ++n)
    {
        if (n > 0)
            player.play(5);
        const fs::path expected = home / "expected" / std::to_string(n);
        fs::create_directories(expected);
        fs::current_path(expected);
        saveBoth();
        fs::current_path(home);
        say("expect " + std::to_string(n));
        saveBoth();
        say("saved " + std::to_string(n));
        std::error_code ignored;
        if (n > 1)
            fs::remove_all(home / "expected" / std::to_string(n - 1), ignored);
    }
    return 0;
}
