#pragma once
// Mouse and keyboard events as the window would deliver them.

#include <SFML/Window/Event.hpp>

namespace events
{
inline sf::Event press(int x, int y, sf::Mouse::Button button = sf::Mouse::Left)
{
    sf::Event e;
    e.type = sf::Event::MouseButtonPressed;
    e.mouseButton = {button, x, y};
    return e;
}

inline sf::Event release(int x, int y, sf::Mouse::Button button = sf::Mouse::Left)
{
    sf::Event e;
    e.type = sf::Event::MouseButtonReleased;
    e.mouseButton = {button, x, y};
    return e;
}

inline sf::Event move(int x, int y)
{
    sf::Event e;
    e.type = sf::Event::MouseMoved;
    e.mouseMove = {x, y};
    return e;
}

inline sf::Event key(sf::Keyboard::Key code)
{
    sf::Event e;
    e.type = sf::Event::KeyPressed;
    e.key = {code, false, false, false, false};
    return e;
}
} // namespace events
