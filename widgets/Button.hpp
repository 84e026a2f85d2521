#pragma once
// The push button: a base picture, a face floating above it that sinks when
// pressed, and a label fitted into the face. Fades its colour towards a
// target, one tenth of the way per frame.

#include <SFML/Audio/Sound.hpp>
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/Window/Event.hpp>

#include <functional>
#include <string>

extern sf::Sound pressSound;
extern sf::Sound releaseSound;
extern sf::Sound hoverSound;

class Button : public sf::Drawable
{
public:
    Button();
    ~Button() override = default;

    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;

    void setBottomTexture(const sf::Texture& texture);
    // Also sets the share of the face that the label may fill.
    void setTopTexture(const sf::Texture& texture);

    // The label follows at the next update or setText.
    void setPosition(double x, double y);
    void setPosition(float x, float y);

    void setOnPress(std::function<void(Button&)> callback);
    void setOnRelease(std::function<void(Button&)> callback);

    // Fits the text into the face unless keepSize, then centres it there.
    // Needs the top texture set first.
    void setText(sf::String text, bool keepSize = false);
    // The label, with the newlines that the fitting put in.
    std::wstring getText() const;
    void setTextColor(sf::Color color);

    // Sets the colour at once; setTargetColor fades towards it instead.
    void setColor(sf::Color color);
    void setTargetColor(sf::Color color);

    // One frame of the raise and colour animation.
    void update();
    // Back to the normal height at once.
    void resetRaise();

    void handleEvent(const sf::Event& event);

private:
    bool contains(int x, int y) const;

    sf::Sprite bottomSprite;
    sf::Sprite topSprite;
    double raise;
    bool pressed;
    bool hovered;
    double textAreaRatio;
    sf::Text label;
    sf::Color targetColor;
    std::function<void(Button&)> onPress;
    std::function<void(Button&)> onRelease;
};
