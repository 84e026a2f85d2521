#pragma once
// A drawing board whose strokes are entered click by click; while a stroke
// is open a rubber band runs from its last point to the pointer.

#include "widgets/DrawingBoard.hpp"

class PointByPointBoard : public DrawingBoard
{
public:
    PointByPointBoard();

    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;
    void handleEvent(const sf::Event& event) override;

    // Records every point on the board into the newest stroke, which must
    // exist (no sampling); false when off the board.
    bool addPoint(sf::Vector2f point);

    // Drops the newest stroke's last point, or the stroke when it has one
    // point or none. The board stays in the drawing state while any stroke
    // is left, so further clicks extend the stroke that is now newest.
    void removeLastPoint();

private:
    sf::Vector2f cursor;
};
