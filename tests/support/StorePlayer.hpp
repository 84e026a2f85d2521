#pragma once
// Changes the learner's scores in both stores the way play does: it takes
// the next exercise of a level and answers it, right about two times in
// three. Random choices come from std::rand, so a seed repeats a game.

#include <string>
#include <vector>

class StorePlayer
{
public:
    // The ten progress files a save writes, kanji then words per grade.
    static std::vector<std::string> progressPaths();

    explicit StorePlayer(int grade = 5);

    // One exercise; false when the level had nothing to offer.
    bool step() const;
    void play(int steps) const;

private:
    int grade;
};
