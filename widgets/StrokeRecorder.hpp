#pragma once
// The stand-alone tool that records model strokes: click a kanji's strokes
// point by point and dump them to the standard output.
//   Return     prints the strokes
//   BackSpace  clears the board
//   Space      removes the last point

#include <SFML/Window/Event.hpp>

class PointByPointBoard;

// Centres the board in the recorder's 400 x 300 window: a dark board with
// white strokes.
void prepareRecorderBoard(PointByPointBoard& board);

// One event of the recorder other than a close: the three command keys act
// on the board, everything else goes to the board.
void handleRecorderEvent(PointByPointBoard& board, const sf::Event& event);

// Runs the recorder window; closing it ends the process with code 0.
[[noreturn]] void recordStrokes();
