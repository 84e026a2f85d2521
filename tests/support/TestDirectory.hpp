#pragma once
// A fresh temporary working directory for one test, with the game's
// sprites/, fonts/ and sounds/ linked in. The previous working directory
// comes back when the object goes away. It is made in the system's temporary
// folder unless a parent folder is given.

#include <string>

class TestDirectory
{
public:
    explicit TestDirectory(bool withSaveFolder = true, const std::string& parent = "");
    ~TestDirectory();
    TestDirectory(const TestDirectory&) = delete;
    TestDirectory& operator=(const TestDirectory&) = delete;

    const std::string& path() const;

    static std::string readFile(const std::string& path);
    static void writeFile(const std::string& path, const std::string& content);

    static std::string sourceDir();

private:
    std::string directory;
    std::string previous;
};
