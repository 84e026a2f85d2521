#pragma once
// Constants every source file shares: the window's icon and title, the
// colour palette, and the one way a global sound is made.

#include <SFML/Audio/Sound.hpp>
#include <SFML/Graphics/Color.hpp>

#include <string>

const std::string iconPath = "sprites/icon.png";
const std::string windowTitle = "Inkwright";

namespace Palette
{
const sf::Color Text(255, 255, 255);
const sf::Color Neutral(150, 150, 150);
const sf::Color Correct(0, 150, 0);
const sf::Color Incorrect(150, 0, 0);
const sf::Color ContinueButton(70, 70, 150);
const sf::Color SaveButtonUnsaved(100, 100, 170);
const sf::Color SaveButtonSaved(200, 200, 200);
const sf::Color HelpButton(100, 100, 170);
const sf::Color ShowingBoardTint(50, 50, 50);
const sf::Color DrawingBoardTint(255, 255, 255);
const sf::Color ShowingStroke(255, 255, 255);
const sf::Color DrawingStroke(0, 0, 0);
} // namespace Palette

// Builds a sound playing the buffer held under the given SoundId. The first
// call creates the sound-buffer holder, which loads every sound file.
sf::Sound createSound(int id);
