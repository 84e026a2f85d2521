// Records model strokes by clicking them point by point; see
// widgets/StrokeRecorder.hpp for the keys.

#include "widgets/StrokeRecorder.hpp"

int main()
{
    recordStrokes();
}
