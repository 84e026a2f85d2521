#pragma once
// Reading what a board holds and prints, for the board tests.

#include <SFML/Graphics/VertexArray.hpp>

#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace probe
{
inline std::vector<sf::Vector2f> points(const sf::VertexArray& stroke)
{
    std::vector<sf::Vector2f> result;
    for (std::size_t i = 0; i < stroke.getVertexCount(); ++i)
        result.push_back(stroke[i].position);
    return result;
}

// What the action writes to the standard output.
inline std::string printed(const std::function<void()>& action)
{
    std::ostringstream captured;
    std::streambuf* previous = std::cout.rdbuf(captured.rdbuf());
    action();
    std::cout.rdbuf(previous);
    return captured.str();
}
} // namespace probe
