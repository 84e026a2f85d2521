#include "widgets/StrokeRecorder.hpp"

#include "widgets/Common.hpp"
#include "widgets/PointByPointBoard.hpp"
#include "widgets/ResourceHolder.hpp"
#include "widgets/ResourceIds.hpp"

#include <SFML/Graphics/RenderWindow.hpp>

#include <cstdlib>
#include <locale>

void prepareRecorderBoard(PointByPointBoard& board)
{
    board.setPosition(200.0, 150.0);
    board.setTexture(TextureHolder::getInstance()->get(TextureId::DrawingBoard));
    board.setColor(Palette::ShowingBoardTint);
    board.setStrokeColor(Palette::ShowingStroke);
}

void handleRecorderEvent(PointByPointBoard& board, const sf::Event& event)
{
    if (event.type == sf::Event::KeyPressed)
    {
        switch (event.key.code)
        {
        case sf::Keyboard::Return:
            board.printStrokes();
            return;
        case sf::Keyboard::BackSpace:
            board.clear();
            return;
        case sf::Keyboard::Space:
            board.removeLastPoint();
            return;
        default:
            break;
        }
    }
    board.handleEvent(event);
}

void recordStrokes()
{
    sf::RenderWindow window(sf::VideoMode(400, 300, 32), sf::String(windowTitle, std::locale()), sf::Style::Close,
                            sf::ContextSettings());
    window.setFramerateLimit(60);

    PointByPointBoard board;
    prepareRecorderBoard(board);

    while (window.isOpen())
    {
        sf::Event event;
        while (window.pollEvent(event))
        {
            if (event.type == sf::Event::Closed)
            {
                window.close();
                std::exit(0);
            }
            handleRecorderEvent(board, event);
        }
        window.clear(sf::Color(100, 100, 100, 255));
        window.draw(board, sf::RenderStates::Default);
        window.display();
    }
    std::exit(0);
}
