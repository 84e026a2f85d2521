#include "app/MainWindow.hpp"

#include "study/ExerciseManager.hpp"
#include "widgets/Common.hpp"
#include "widgets/Diagnostics.hpp"
#include "widgets/ResourceHolder.hpp"
#include "widgets/ResourceIds.hpp"

#include <SFML/Graphics/Image.hpp>

const sf::Color UndoButtonColor = Palette::HelpButton;

MainWindow::MainWindow()
{
    level = 5;
    TextureHolder* textures = TextureHolder::getInstance();
    state = 0;

    window.create(sf::VideoMode(800, 600, 32), sf::String(windowTitle), sf::Style::Close);
    window.setFramerateLimit(60);

    sf::Image icon;
    if (icon.loadFromFile(iconPath))
        window.setIcon(icon.getSize().x, icon.getSize().y, icon.getPixelsPtr());
    else
        Diagnostics::error("ERROR: couldn't load the icon. Is it located at " + iconPath +
                           " and has the right permissions?");

    backgroundSprite.setTexture(textures->get(TextureId::Background));
    backgroundSprite.setScale(2.f, 2.f);

    titleSprite.setTexture(textures->get(TextureId::Title));
    titleSprite.setPosition(400.f, 150.f);
    const sf::IntRect titleRect = titleSprite.getTextureRect();
    titleSprite.setOrigin(static_cast<float>(titleRect.width / 2), static_cast<float>(titleRect.height / 2));
}

void MainWindow::start()
{
    // Lives here, not in the window: start() never returns while the loop runs.
    MenuButtons menu;
    setUp(menu);
    run();
}

void MainWindow::run()
{
    sf::Event event;
    while (window.isOpen())
    {
        while (window.pollEvent(event))
            handleEvent(event);
        update();
        render();
        display();
    }
}

void MainWindow::display()
{
    window.display();
}

void MainWindow::handleEvent(const sf::Event& event)
{
    if (event.type == sf::Event::Closed)
    {
        window.close();
        ExerciseManager::getInstance()->saveAndQuit();
        return;
    }

    // The row is chosen once: a callback that switches screens does not stop
    // the rest of this row from seeing the same event.
    switch (state)
    {
    case 0:
        for (Button* button : menuButtons)
            button->handleEvent(event);
        break;
    case 1:
    case 2:
        for (Button& button : shortAnswerButtons)
            button.handleEvent(event);
        backButton.handleEvent(event);
        saveButton.handleEvent(event);
        helpButton.handleEvent(event);
        break;
    case 3:
    case 4:
    case 5:
        for (Button& button : longAnswerButtons)
            button.handleEvent(event);
        backButton.handleEvent(event);
        saveButton.handleEvent(event);
        helpButton.handleEvent(event);
        break;
    case 6:
        exerciseBoard.DrawingBoard::handleEvent(event);
        backButton.handleEvent(event);
        saveButton.handleEvent(event);
        helpButton.handleEvent(event);
        break;
    case 7:
    case 8:
        continueButton.handleEvent(event);
        break;
    case 9:
        practiceBoard.DrawingBoard::handleEvent(event);
        undoButton.handleEvent(event);
        continueButton.handleEvent(event);
        break;
    default:
        break;
    }
}

void MainWindow::update()
{
    switch (state)
    {
    case 0:
        for (Button* button : menuButtons)
            button->update();
        break;
    case 1:
    case 2:
        for (Button& button : shortAnswerButtons)
            button.update();
        backButton.update();
        saveButton.update();
        helpButton.update();
        break;
    case 3:
    case 4:
    case 5:
        for (Button& button : longAnswerButtons)
            button.update();
        backButton.update();
        saveButton.update();
        helpButton.update();
        break;
    case 6:
        backButton.update();
        saveButton.update();
        helpButton.update();
        break;
    case 7:
    case 8:
        continueButton.update();
        break;
    case 9:
        undoButton.update();
        continueButton.update();
        break;
    default:
        break;
    }
}

void MainWindow::render()
{
    drawScreen(window);
}

std::vector<const Sign*> MainWindow::drawnSigns() const
{
    std::vector<const Sign*> signs;
    if (state >= 1 && state <= 9)
        signs = {&questionSign, &instructionSign};
    if (state >= 1 && state <= 6)
        signs.push_back(&scoreSign);
    if (state == 7)
    {
        signs.insert(signs.end(), {&meaningSign, &kunyomiLabelSign, &onyomiLabelSign});
        // A reading sign without a reading stays hidden.
        for (const std::vector<Sign>* readings : {&kunyomiSigns, &onyomiSigns})
            for (const Sign& sign : *readings)
                if (!sign.getText().isEmpty())
                    signs.push_back(&sign);
    }
    if (state == 8)
        signs.insert(signs.end(), {&wordMeaningSign, &wordReadingSign});
    return signs;
}

void MainWindow::drawScreen(sf::RenderTarget& target) const
{
    target.clear(sf::Color(0, 0, 0, 255));
    target.draw(backgroundSprite);
    for (const Sign* sign : drawnSigns())
        target.draw(*sign);

    switch (state)
    {
    case 0:
        target.draw(titleSprite);
        for (Button* button : menuButtons)
            target.draw(*button);
        break;
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
        for (const Button& button : state <= 2 ? shortAnswerButtons : longAnswerButtons)
            target.draw(button);
        target.draw(backButton);
        target.draw(saveButton);
        target.draw(helpButton);
        break;
    case 6:
        target.draw(exerciseBoard);
        target.draw(backButton);
        target.draw(saveButton);
        target.draw(helpButton);
        break;
    case 7:
    case 8:
        target.draw(continueButton);
        break;
    case 9:
        target.draw(continueButton);
        target.draw(practiceBoard);
        target.draw(modelBoard);
        target.draw(undoButton);
        break;
    default:
        break;
    }
}
