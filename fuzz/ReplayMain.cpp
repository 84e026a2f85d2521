// Feeds every file of the folders (or the files) named on the command line to
// the target once, in name order, so that a corpus runs as a plain test
// without libFuzzer. A target that finds a fault aborts, failing the run.

#include "FuzzSupport.hpp"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

int main(int argc, char** argv)
{
    // Absolute paths first: targets may move to a scratch folder.
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i)
    {
        const fs::path given = fs::absolute(argv[i]);
        if (fs::is_directory(given))
        {
            for (const auto& entry : fs::directory_iterator(given))
                if (entry.is_regular_file())
                    inputs.push_back(entry.path());
        }
        else if (fs::is_regular_file(given))
            inputs.push_back(given);
        else
        {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            return 1;
        }
    }
    if (inputs.empty())
    {
        std::fprintf(stderr, "usage: %s CORPUS_FOLDER_OR_FILE...\n", argv[0]);
        return 1;
    }
    std::sort(inputs.begin(), inputs.end());

    for (const fs::path& input : inputs)
    {
        // Named first, so that the input behind a crash shows in the log.
        std::printf("%s\n", input.filename().c_str());
        std::fflush(stdout);
        const std::string content = fuzz::readFile(input.string());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(content.data()), content.size());
    }
    std::printf("replayed %zu inputs\n", inputs.size());
    return 0;
}
