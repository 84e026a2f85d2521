#include "widgets/Diagnostics.hpp"

#include <SFML/System/String.hpp>

#include <cstdlib>
#include <iostream>

void Diagnostics::error(const std::string& line)
{
    std::cerr << line << std::endl;
}

void Diagnostics::fatal(const std::string& line)
{
    error(line);
    std::exit(1);
}

void Diagnostics::warning(const std::wstring& line)
{
    const auto utf8 = sf::String(line).toUtf8();
    std::cerr << std::string(utf8.begin(), utf8.end()) << std::endl;
}
