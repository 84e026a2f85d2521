#include "widgets/Button.hpp"

#include "widgets/Common.hpp"
#include "widgets/Helpers.hpp"
#include "widgets/ResourceHolder.hpp"
#include "widgets/ResourceIds.hpp"
#include "widgets/TextFitter.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

sf::Sound pressSound = createSound(SoundId::PressButton);
sf::Sound releaseSound = createSound(SoundId::ReleaseButton);
sf::Sound hoverSound = createSound(SoundId::HoverOverButton);

namespace
{
const double normalRaise = 10;
const double hoveredRaise = 8;
const double pressedRaise = 2;
const unsigned int labelStartSize = 70;

sf::Uint8 fadeStep(sf::Uint8 current, sf::Uint8 target)
{
    const int c = current;
    return static_cast<sf::Uint8>(c + (target - c) / 10);
}
} // namespace

Button::Button()
    : raise(normalRaise),
      pressed(false),
      hovered(false),
      textAreaRatio(0),
      targetColor(),
      onPress([](Button&) {}),
      onRelease([](Button&) {})
{
    label.setFont(FontHolder::getInstance()->get(FontId::MoboBold));
}

void Button::draw(sf::RenderTarget& target, sf::RenderStates states) const
{
    target.draw(bottomSprite, states);
    target.draw(topSprite, states);
    if (!label.getString().isEmpty())
        target.draw(label, states);
}

void Button::setBottomTexture(const sf::Texture& texture)
{
    bottomSprite.setTexture(texture);
    const sf::IntRect rect = bottomSprite.getTextureRect();
    bottomSprite.setOrigin(static_cast<float>(rect.width / 2), static_cast<float>(rect.height / 2));
}

void Button::setTopTexture(const sf::Texture& texture)
{
    topSprite.setTexture(texture);
    const sf::IntRect rect = topSprite.getTextureRect();
    topSprite.setOrigin(static_cast<float>(rect.width / 2), static_cast<float>(rect.height / 2));
    textAreaRatio = TextFitter::areaRatio(rect.width);
}

void Button::setPosition(double x, double y)
{
    bottomSprite.setPosition(static_cast<float>(x), static_cast<float>(y));
    topSprite.setPosition(static_cast<float>(x), static_cast<float>(y - raise));
}

void Button::setPosition(float x, float y)
{
    setPosition(static_cast<double>(x), static_cast<double>(y));
}

void Button::setOnPress(std::function<void(Button&)> callback)
{
    onPress = std::move(callback);
}

void Button::setOnRelease(std::function<void(Button&)> callback)
{
    onRelease = std::move(callback);
}

void Button::setText(sf::String text, bool keepSize)
{
    if (keepSize)
    {
        label.setString(text);
    }
    else
    {
        const sf::IntRect face = topSprite.getTextureRect();
        TextFitter::fit(label, text, labelStartSize, sf::Vector2i(face.width, face.height), textAreaRatio);
    }
    TextFitter::centre(label, topSprite.getPosition());
}

std::wstring Button::getText() const
{
    return label.getString().toWideString();
}

void Button::setTextColor(sf::Color color)
{
    label.setFillColor(color);
}

void Button::setColor(sf::Color color)
{
    topSprite.setColor(color);
    bottomSprite.setColor(color);
    targetColor = color;
}

void Button::setTargetColor(sf::Color color)
{
    targetColor = color;
}

void Button::update()
{
    const sf::Vector2f base = bottomSprite.getPosition();
    const double height = base.y - topSprite.getPosition().y;
    const double newHeight = height + (raise - height) / 5;
    topSprite.setPosition(base.x, static_cast<float>(base.y - newHeight));
    label.setPosition(topSprite.getPosition());

    const sf::Color current = topSprite.getColor();
    if (current != targetColor)
    {
        const sf::Color faded(fadeStep(current.r, targetColor.r), fadeStep(current.g, targetColor.g),
                              fadeStep(current.b, targetColor.b), fadeStep(current.a, targetColor.a));
        topSprite.setColor(faded);
        bottomSprite.setColor(faded);
    }
}

void Button::resetRaise()
{
    raise = normalRaise;
    const sf::Vector2f base = bottomSprite.getPosition();
    topSprite.setPosition(base.x, static_cast<float>(base.y - normalRaise));
}

bool Button::contains(int x, int y) const
{
    const sf::Vector2f face = topSprite.getPosition();
    const sf::IntRect rect = topSprite.getTextureRect();
    const int left = static_cast<int>(face.x - rect.width / 2);
    const int top = static_cast<int>(face.y - rect.height / 2);
    return pointInRect(x, y, left, top, rect.width, rect.height);
}

void Button::handleEvent(const sf::Event& event)
{
    if (pressed)
    {
        if (event.type == sf::Event::MouseButtonReleased && event.mouseButton.button == sf::Mouse::Left)
        {
            releaseSound.play();
            raise = contains(event.mouseButton.x, event.mouseButton.y) ? hoveredRaise : normalRaise;
            pressed = false;
            onRelease(*this);
        }
        return;
    }

    if (event.type == sf::Event::MouseMoved)
    {
        const bool inside = contains(event.mouseMove.x, event.mouseMove.y);
        if (!hovered && inside)
        {
            hoverSound.play();
            hovered = true;
            raise = hoveredRaise;
        }
        else if (hovered && !inside)
        {
            hovered = false;
            raise = normalRaise;
        }
    }
    else if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left &&
             contains(event.mouseButton.x, event.mouseButton.y))
    {
        pressSound.play();
        topSprite.setPosition(bottomSprite.getPosition());
        pressed = true;
        raise = pressedRaise;
        onPress(*this);
    }
}
