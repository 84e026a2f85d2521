#include "widgets/DrawableStroke.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

#include <cmath>

DrawableStroke::DrawableStroke(sf::Vector2f a, sf::Vector2f b, sf::Color color, double width)
    : width(static_cast<float>(width)), color(color)
{
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    const double length = std::sqrt(static_cast<double>(dx) * dx + static_cast<double>(dy) * dy);

    // Two equal points have no direction: the quad collapses onto them
    // instead of getting NaN corners.
    sf::Vector2f normal;
    if (length > 0)
        normal = sf::Vector2f(static_cast<float>(-dy / length * width / 2),
                              static_cast<float>(dx / length * width / 2));

    const sf::Vector2f corners[4] = {a + normal, b + normal, b - normal, a - normal};
    for (int i = 0; i < 4; ++i)
        vertices[i] = sf::Vertex(corners[i], color, sf::Vector2f(0, 0));
}

void DrawableStroke::draw(sf::RenderTarget& target, sf::RenderStates) const
{
    target.draw(vertices, 4, sf::Quads, sf::RenderStates::Default);
}
