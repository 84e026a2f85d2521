#include "widgets/PointByPointBoard.hpp"

#include <SFML/Graphics/RenderTarget.hpp>

PointByPointBoard::PointByPointBoard()
    : cursor(0, 0)
{
}

void PointByPointBoard::draw(sf::RenderTarget& target, sf::RenderStates states) const
{
    target.draw(sprite, states);
    for (const auto& stroke : strokes)
        drawStroke(target, states, stroke);

    if (drawing && !strokes.empty() && strokes.back().getVertexCount() > 0)
    {
        const sf::VertexArray& newest = strokes.back();
        const sf::Vector2f last = newest[newest.getVertexCount() - 1].position;
        drawSegment(target, states, last, cursor);
        drawDot(target, states, cursor);
    }
}

void PointByPointBoard::handleEvent(const sf::Event& event)
{
    const bool leftPress = event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Left;
    if (!drawing)
    {
        if (!leftPress)
            return;
        drawing = true;
        const sf::Vector2f press(static_cast<float>(event.mouseButton.x), static_cast<float>(event.mouseButton.y));
        cursor = press;
        strokes.emplace_back(sf::LineStrip);
        if (!addPoint(press))
        {
            strokes.pop_back();
            drawing = false;
        }
        return;
    }

    if (leftPress)
    {
        const sf::Vector2f press(static_cast<float>(event.mouseButton.x), static_cast<float>(event.mouseButton.y));
        if (!addPoint(press))
            finishStroke();
    }
    else if (event.type == sf::Event::MouseButtonPressed && event.mouseButton.button == sf::Mouse::Right)
    {
        finishStroke();
    }
    else if (event.type == sf::Event::MouseMoved)
    {
        cursor = sf::Vector2f(static_cast<float>(event.mouseMove.x), static_cast<float>(event.mouseMove.y));
    }
}

bool PointByPointBoard::addPoint(sf::Vector2f point)
{
    if (!isOnBoard(point))
        return false;
    strokes.back().append(sf::Vertex(point, strokeColor));
    return true;
}

void PointByPointBoard::removeLastPoint()
{
    if (strokes.empty())
        return;
    sf::VertexArray& newest = strokes.back();
    if (newest.getVertexCount() <= 1)
        strokes.pop_back();
    else
        newest.resize(newest.getVertexCount() - 1);
    if (strokes.empty())
        drawing = false;
}
