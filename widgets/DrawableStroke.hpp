#pragma once
// One thick line segment: a quad of the given width centred on the segment,
// with flat ends. Boards round the joints off with dots.

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Vertex.hpp>

class DrawableStroke : public sf::Drawable
{
public:
    DrawableStroke(sf::Vector2f a, sf::Vector2f b, sf::Color color, double width);

    // Always drawn with the default render states.
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

private:
    sf::Vertex vertices[4];
    float width;
    sf::Color color;
};
