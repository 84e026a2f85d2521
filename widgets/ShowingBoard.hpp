#pragma once
// Shows model strokes up to the current one, with a red marker where the
// current stroke starts. Takes no input.

#include "widgets/DrawingBoard.hpp"

class ShowingBoard : public DrawingBoard
{
public:
    ShowingBoard();

    void draw(sf::RenderTarget& target, sf::RenderStates states) const override;
    void handleEvent(const sf::Event& event) override;

    // Replaces every stroke with the given ones (board coordinates) and
    // goes back to the first stroke.
    void setStrokes(std::vector<sf::VertexArray> strokes);

    // Stepping past the last stroke shows them all without a marker.
    void showNextStroke();
    void showPreviousStroke();

private:
    int currentStroke;
};
