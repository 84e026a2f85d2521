#pragma once
// Fits a text into a picture, shared by buttons and signs: shrink, then
// break lines at middle spaces and grow back, then centre on the picture.

#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>

class TextFitter
{
public:
    // Sets the string and a character size at which the text's bounds fit
    // in area * ratio (both sides scaled by the same ratio), starting from
    // startSize. Spaces may be turned into newlines on the way.
    static void fit(sf::Text& text, sf::String string, unsigned int startSize, sf::Vector2i area, double ratio);

    // The ratio for a picture of the given width: a 20-pixel margin on
    // each side of the width, and the same share of the height.
    static double areaRatio(int width);

    // Puts the centre of the text's bounds on position.
    static void centre(sf::Text& text, sf::Vector2f position);
};
