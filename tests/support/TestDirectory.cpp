#include "support/TestDirectory.hpp"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace
{
// Death tests start the test binary afresh (a fork of a process with threads
// can hang), and the new process runs the test up to the death statement
// again. Its n-th directory is then the parent's n-th one still in use, so
// the statement writes where the parent looks afterwards. The list starts
// with the id of the process that made the directories.
const char* const listName = "INKWRIGHT_TEST_DIRECTORIES";
int directoriesTaken = 0;

std::vector<std::string> madeDirectories()
{
    std::vector<std::string> list;
    std::istringstream in(std::getenv(listName) ? std::getenv(listName) : "");
    for (std::string line; std::getline(in, line);)
        list.push_back(line);
    return list;
}

void setMadeDirectories(const std::vector<std::string>& list)
{
    std::string text;
    for (const std::string& line : list)
        text += line + "\n";
    ::setenv(listName, text.c_str(), 1);
}

bool inDeathTestChild()
{
    const std::vector<std::string> list = madeDirectories();
    return !list.empty() && list[0] == std::to_string(::getppid());
}
} // namespace

TestDirectory::TestDirectory(bool withSaveFolder, const std::string& parent)
{
    previous = fs::current_path().string();
    if (inDeathTestChild())
    {
        directory = madeDirectories().at(1 + directoriesTaken++);
        fs::current_path(directory);
        return;
    }
    const fs::path base = parent.empty() ? fs::temp_directory_path() : fs::path(parent);
    std::string pattern = (base / "inkwright-test-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary directory");
    directory = pattern;
    for (const char* folder : {"sprites", "fonts", "sounds"})
        fs::create_directory_symlink(fs::path(sourceDir()) / folder, fs::path(directory) / folder);
    if (withSaveFolder)
        fs::create_directory(fs::path(directory) / "save");
    fs::current_path(directory);
    std::vector<std::string> list = madeDirectories();
    if (list.empty() || list[0] != std::to_string(::getpid()))
        list = {std::to_string(::getpid())};
    list.push_back(directory);
    setMadeDirectories(list);
}

TestDirectory::~TestDirectory()
{
    std::error_code ignored;
    fs::current_path(previous, ignored);
    if (inDeathTestChild())
        return;
    std::vector<std::string> list = madeDirectories();
    list.erase(std::remove(list.begin(), list.end(), directory), list.end());
    setMadeDirectories(list);
    fs::permissions(directory, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(directory, ignored);
}

const std::string& TestDirectory::path() const
{
    return directory;
}

std::string TestDirectory::readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

void TestDirectory::writeFile(const std::string& path, const std::string& content)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

std::string TestDirectory::sourceDir()
{
    return INKWRIGHT_SOURCE_DIR;
}
