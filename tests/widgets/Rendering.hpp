#pragma once
// Renders a drawable off screen for pixel checks.

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <algorithm>
#include <functional>
#include <initializer_list>

namespace rendering
{
// Draws the drawables in order, the later ones on top.
inline sf::Image render(std::initializer_list<std::reference_wrapper<const sf::Drawable>> drawables, unsigned width,
                        unsigned height, sf::Color background = sf::Color::White)
{
    sf::RenderTexture target;
    target.create(width, height);
    target.clear(background);
    for (const sf::Drawable& drawable : drawables)
        target.draw(drawable);
    target.display();
    return target.getTexture().copyToImage();
}

inline sf::Image render(const sf::Drawable& drawable, unsigned width, unsigned height,
                        sf::Color background = sf::Color::White)
{
    return render({std::cref(drawable)}, width, height, background);
}

inline int count(const sf::Image& image, sf::Color colour)
{
    int n = 0;
    for (unsigned x = 0; x < image.getSize().x; ++x)
        for (unsigned y = 0; y < image.getSize().y; ++y)
            if (image.getPixel(x, y) == colour)
                ++n;
    return n;
}

// The smallest box holding every pixel the test picks; empty when none is picked.
inline sf::IntRect bounds(const sf::Image& image, const std::function<bool(sf::Color)>& picked)
{
    int left = image.getSize().x, top = image.getSize().y, right = 0, bottom = 0;
    for (int y = 0; y < static_cast<int>(image.getSize().y); ++y)
        for (int x = 0; x < static_cast<int>(image.getSize().x); ++x)
            if (picked(image.getPixel(x, y)))
                left = std::min(left, x), top = std::min(top, y), right = std::max(right, x + 1), bottom = y + 1;
    return {left, top, right - left, bottom - top};
}

// An opaque texture of one colour.
inline void fill(sf::Texture& texture, unsigned width, unsigned height, sf::Color colour)
{
    sf::Image image;
    image.create(width, height, colour);
    texture.loadFromImage(image);
}
} // namespace rendering
