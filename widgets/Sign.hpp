#pragma once
// A passive panel: a picture with a text fitted and centred on it.

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

class Sign : public sf::Drawable
{
public:
    Sign();
    ~Sign() override = default;

    // The text is drawn even when empty.
    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

    // Also sets the share of the picture that the text may fill.
    void setTexture(const sf::Texture& texture);
    // The text follows only at the next setText.
    void setPosition(double x, double y);
    void setPosition(float x, float y);

    // Fits the text into the picture from characterSize unless keepSize,
    // then centres it there. Needs the texture set first.
    void setText(sf::String string, bool keepSize = false);
    sf::String getText() const;
    // Where the picture is drawn, in window coordinates.
    sf::FloatRect getBounds() const;
    void setTextColor(sf::Color color);
    void setColor(sf::Color color);
    void setFont(const sf::Font& font);
    // Takes effect at the next setText.
    void setCharacterSize(unsigned int size);

private:
    sf::Sprite sprite;
    sf::Text text;
    double textAreaRatio;
    unsigned int characterSize;
};
