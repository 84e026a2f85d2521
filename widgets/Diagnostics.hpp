#pragma once
// One-line messages on the standard error stream.
//
// glibc fixes stderr's orientation at its first use, so mixing std::cerr and
// std::wcerr loses lines. Every message, wide or narrow, therefore goes out
// through std::cerr, wide texts encoded as UTF-8.

#include <string>

class Diagnostics
{
public:
    static void error(const std::string& line);
    [[noreturn]] static void fatal(const std::string& line);
    static void warning(const std::wstring& line);
};
