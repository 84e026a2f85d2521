#include "widgets/DrawingBoard.hpp"

#include "widgets/DrawableStroke.hpp"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <iostream>
#include <utility>

namespace
{
const double strokeWidth = 5.0;
const float dotRadius = 2.5f;
} // namespace

DrawingBoard::DrawingBoard()
    : drawing(false),
      onStrokeFinished([](DrawingBoard&) {}),
      sampleInterval(1),
      sampleCounter(1),
      strokeColor(sf::Color::Black)
{
}

void DrawingBoard::draw(sf::RenderTarget& target, sf::RenderStates states) const
{
    target.draw(sprite, states);
    for (const auto& stroke : strokes)
        drawStroke(target, states, stroke);
}

void DrawingBoard::drawStroke(sf::RenderTarget& target, sf::RenderStates states,
                              const sf::VertexArray& stroke) const
{
    const std::size_t count = stroke.getVertexCount();
    if (count == 0)
        return;
    for (std::size_t i = 0; i + 1 < count; ++i)
    {
        drawSegment(target, states, stroke[i].position, stroke[i + 1].position);
        drawDot(target, states, stroke[i].position);
    }
    drawDot(target, states, stroke[count - 1].position);
}

void DrawingBoard::drawSegment(sf::RenderTarget& target, sf::RenderStates states, sf::Vector2f from,
                               sf::Vector2f to) const
{
    target.draw(DrawableStroke(from, to, strokeColor, strokeWidth), states);
}

void DrawingBoard::drawDot(sf::RenderTarget& target, sf::RenderStates states, sf::Vector2f point) const
{
    sf::CircleShape dot(dotRadius, 30);
    dot.setOrigin(dotRadius, dotRadius);
    dot.setFillColor(strokeColor);
    dot.setPosition(point);
    target.draw(dot, states);
}

void DrawingBoard::handleEvent(const sf::Event& event)
{
    if (!drawing)
    {
        if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left)
        {
            drawing = true;
            sampleCounter = sampleInterval;
            strokes.emplace_back(sf::LineStrip);
            const sf::Vector2f press(static_cast<float>(event.mouseButton.x), static_cast<float>(event.mouseButton.y));
            if (!addPoint(press))
            {
                strokes.pop_back();
                drawing = false;
            }
        }
        return;
    }

    if (event.type == sf::Event::MouseMoved)
    {
        const sf::Vector2f position(static_cast<float>(event.mouseMove.x), static_cast<float>(event.mouseMove.y));
        if (!addPoint(position))
            finishStroke();
    }
    else if (event.type == sf::Event::MouseButtonReleased && event.mouseButton.button == sf::Mouse::Left)
    {
        finishStroke();
    }
}

bool DrawingBoard::isOnBoard(sf::Vector2f point) const
{
    const sf::Vector2f centre = sprite.getPosition();
    const int halfWidth = sprite.getTextureRect().width / 2;
    const int halfHeight = sprite.getTextureRect().height / 2;
    return centre.x - halfWidth <= point.x && point.x <= centre.x + halfWidth &&
           centre.y - halfHeight <= point.y && point.y <= centre.y + halfHeight;
}

bool DrawingBoard::addPoint(sf::Vector2f point)
{
    if (!isOnBoard(point))
        return false;
    if (sampleCounter == sampleInterval)
    {
        strokes.back().append(sf::Vertex(point, strokeColor));
        sampleCounter = 0;
    }
    else
    {
        ++sampleCounter;
    }
    return true;
}

void DrawingBoard::finishStroke()
{
    drawing = false;
    onStrokeFinished(*this);
}

void DrawingBoard::setTexture(const sf::Texture& texture)
{
    sprite.setTexture(texture);
    const sf::IntRect rect = sprite.getTextureRect();
    sprite.setOrigin(static_cast<float>(rect.width / 2), static_cast<float>(rect.height / 2));
}

void DrawingBoard::setPosition(double x, double y)
{
    const sf::Vector2f old = sprite.getPosition();
    const sf::Vector2f offset(static_cast<float>(x - old.x), static_cast<float>(y - old.y));
    sprite.setPosition(static_cast<float>(x), static_cast<float>(y));
    for (auto& stroke : strokes)
        moveStroke(stroke, offset);
}

void DrawingBoard::setPosition(float x, float y)
{
    setPosition(static_cast<double>(x), static_cast<double>(y));
}

void DrawingBoard::setColor(sf::Color color)
{
    sprite.setColor(color);
}

void DrawingBoard::setStrokeColor(sf::Color color)
{
    strokeColor = color;
    for (auto& stroke : strokes)
        paintStroke(stroke, color);
}

void DrawingBoard::setOnStrokeFinished(std::function<void(DrawingBoard&)> callback)
{
    onStrokeFinished = std::move(callback);
}

sf::VertexArray DrawingBoard::getLastStroke() const
{
    if (strokes.empty())
        return sf::VertexArray();
    sf::VertexArray stroke = strokes.back();
    moveStroke(stroke, -sprite.getPosition());
    return stroke;
}

unsigned int DrawingBoard::getStrokeCount() const
{
    return static_cast<unsigned int>(strokes.size());
}

void DrawingBoard::clear()
{
    strokes.clear();
    drawing = false;
    sampleCounter = sampleInterval;
}

void DrawingBoard::removeLastStroke()
{
    if (strokes.empty())
        return;
    strokes.pop_back();
    drawing = false;
    sampleCounter = sampleInterval;
}

void DrawingBoard::printStrokes() const
{
    const sf::Vector2f centre = sprite.getPosition();
    for (const auto& stroke : strokes)
    {
        for (std::size_t i = 0; i < stroke.getVertexCount(); ++i)
        {
            const sf::Vector2f point = stroke[i].position - centre;
            std::cout << static_cast<double>(point.x) << "," << static_cast<double>(point.y) << ";";
        }
        std::cout << std::endl;
    }
    std::cout << std::endl;
}

void DrawingBoard::addStroke(sf::VertexArray stroke)
{
    moveStroke(stroke, sprite.getPosition());
    paintStroke(stroke, strokeColor);
    strokes.push_back(std::move(stroke));
}

void DrawingBoard::moveStroke(sf::VertexArray& stroke, sf::Vector2f offset)
{
    for (std::size_t i = 0; i < stroke.getVertexCount(); ++i)
        stroke[i].position += offset;
}

void DrawingBoard::paintStroke(sf::VertexArray& stroke, sf::Color color)
{
    for (std::size_t i = 0; i < stroke.getVertexCount(); ++i)
        stroke[i].color = color;
}
