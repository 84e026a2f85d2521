#include "support/TestDirectory.hpp"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace fs = std::filesystem;

TestDirectory::TestDirectory(bool withSaveFolder, const std::string& parent)
{
    previous = fs::current_path().string();
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
}

TestDirectory::~TestDirectory()
{
    std::error_code ignored;
    fs::current_path(previous, ignored);
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
