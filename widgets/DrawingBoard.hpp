#pragma once
// The freehand handwriting surface. Strokes are kept in window coordinates
// and exchanged in board coordinates: window position minus the board's
// position, which is the centre of its picture.

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Drawable.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/Window/Event.hpp>

#include <functional>
#include <vector>

class DrawingBoard : public sf::Drawable
{
public:
    DrawingBoard();
    ~DrawingBoard() override = default;

    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;
    virtual void handleEvent(const sf::Event& event);

    void setTexture(const sf::Texture& texture);
    void setPosition(double x, double y);
    void setPosition(float x, float y);
    void setColor(sf::Color color);
    void setStrokeColor(sf::Color color);
    void setOnStrokeFinished(std::function<void(DrawingBoard&)> callback);

    // The newest stroke in board coordinates; no points when there is none.
    sf::VertexArray getLastStroke() const;
    unsigned int getStrokeCount() const;

    void clear();
    void removeLastStroke();

    // One line per stroke ("x,y;" for each point, board coordinates), then
    // an empty line.
    void printStrokes() const;

    // Offers one pointer position (window coordinates) to the open stroke,
    // which must exist; false when it is off the board. Every second
    // position is recorded.
    bool addPoint(sf::Vector2f point);
    void finishStroke();

    // Takes a stroke in board coordinates.
    void addStroke(sf::VertexArray stroke);

protected:
    // Inclusive on all four edges.
    bool isOnBoard(sf::Vector2f point) const;

    // Segments between consecutive points and a dot on every point, in the
    // stroke colour; a stroke without points draws nothing.
    void drawStroke(sf::RenderTarget& target, sf::RenderStates states, const sf::VertexArray& stroke) const;
    void drawSegment(sf::RenderTarget& target, sf::RenderStates states, sf::Vector2f from, sf::Vector2f to) const;
    void drawDot(sf::RenderTarget& target, sf::RenderStates states, sf::Vector2f point) const;

    // Shifts every point: between board and window coordinates, and along
    // with a board that moves.
    static void moveStroke(sf::VertexArray& stroke, sf::Vector2f offset);
    static void paintStroke(sf::VertexArray& stroke, sf::Color color);

    sf::Sprite sprite;
    bool drawing;
    std::function<void(DrawingBoard&)> onStrokeFinished;
    int sampleInterval;
    int sampleCounter;
    sf::Color strokeColor;
    std::vector<sf::VertexArray> strokes;
};
