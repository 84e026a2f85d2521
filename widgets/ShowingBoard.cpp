#include "widgets/ShowingBoard.hpp"

#include "widgets/Common.hpp"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <utility>

const sf::Color StartMarkerColor = sf::Color::Red;

ShowingBoard::ShowingBoard()
{
    setOnStrokeFinished([](DrawingBoard&) {});
    currentStroke = 0;
}

void ShowingBoard::draw(sf::RenderTarget& target, sf::RenderStates states) const
{
    target.draw(sprite, states);
    for (std::size_t i = 0; i < strokes.size(); ++i)
    {
        const int index = static_cast<int>(i);
        if (index > currentStroke)
            break;
        const sf::VertexArray& stroke = strokes[i];
        if (index == currentStroke && stroke.getVertexCount() > 0)
        {
            sf::CircleShape marker(15, 30);
            marker.setOrigin(15, 15);
            marker.setFillColor(StartMarkerColor);
            marker.setPosition(stroke[0].position);
            target.draw(marker, states);
        }
        drawStroke(target, states, stroke);
    }
}

void ShowingBoard::handleEvent(const sf::Event&)
{
}

void ShowingBoard::setStrokes(std::vector<sf::VertexArray> newStrokes)
{
    for (auto& stroke : newStrokes)
        moveStroke(stroke, sprite.getPosition());
    strokes = std::move(newStrokes);
    currentStroke = 0;
}

void ShowingBoard::showNextStroke()
{
    ++currentStroke;
}

void ShowingBoard::showPreviousStroke()
{
    if (currentStroke != 0)
        --currentStroke;
}
