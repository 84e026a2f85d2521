#include "bench/StoreLoadTiming.hpp"

#include "study/KanjiManager.hpp"
#include "study/WordManager.hpp"

#include <chrono>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

int StoreLoadTiming::timeInThisProcess(const std::string& store)
{
    if (store != "kanji" && store != "words")
        return 2;
    const auto start = std::chrono::steady_clock::now();
    if (store == "kanji")
        KanjiManager::getInstance();
    else
        WordManager::getInstance();
    const auto end = std::chrono::steady_clock::now();
    std::printf("%lld\n", static_cast<long long>(std::chrono::nanoseconds(end - start).count()));
    return 0;
}

double StoreLoadTiming::timeInChild(const std::string& store)
{
    int output[2];
    if (pipe(output) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0)
    {
        dup2(output[1], STDOUT_FILENO);
        close(output[0]);
        close(output[1]);
        execl("/proc/self/exe", "inkwright_benchmarks", "--time-store-load", store.c_str(),
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(output[1]);
    char text[64] = {};
    std::size_t length = 0;
    ssize_t got = 0;
    while (length + 1 < sizeof text && (got = read(output[0], text + length, sizeof text - 1 - length)) > 0)
        length += static_cast<std::size_t>(got);
    close(output[0]);
    int status = 0;
    waitpid(child, &status, 0);
    long long nanoseconds = 0;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || std::sscanf(text, "%lld", &nanoseconds) != 1)
        return -1;
    return static_cast<double>(nanoseconds) * 1e-9;
}
