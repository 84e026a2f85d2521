#pragma once
// The process-wide kanji store: every kanji of every grade, the learner's
// scores, and per grade the keys of the new, learning and mastered kanji.
// It builds the kanji exercises and scores the answers and strokes.

#include "study/Exercise.hpp"
#include "study/Kanji.hpp"

#include <SFML/Graphics/VertexArray.hpp>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class KanjiManager
{
public:
    // Created and loaded on the first call; never destroyed.
    static KanjiManager* getInstance();

    // Rewrites the progress file of every grade from memory.
    void save() const;

    // A copy of the record, or an empty one (empty character) for an unknown key.
    Kanji getKanji(std::uint64_t key) const;

    int countMastered(int grade);
    int countKanji(int grade);

    // Exercise builders.
    Exercise newKanjiExercise(std::uint64_t hash) const;
    Exercise drawingExercise(std::uint64_t hash, bool practice);
    Exercise nextExercise(int grade, bool review);
    Exercise reviewExercise();

    // Scoring.
    bool checkAnswer(Exercise& exercise, std::wstring answer);
    bool hasEnoughAnswers(const Exercise& exercise, int accepted) const;
    bool checkStroke(const Exercise& exercise, sf::VertexArray& drawn, unsigned index, bool practice);
    bool checkStrokeCount(const Exercise& exercise, int strokes);
    void updateLists(Kanji& kanji);

private:
    using KeyLists = std::map<int, std::vector<std::uint64_t>>;

    KanjiManager() = default;

    void load();
    void readKanjiText(int grade);
    void readProgress(int grade);
    void readStrokeText(int grade);
    void shuffleLists(int grade);

    Exercise buildQuestion(int grade, const Kanji& asked, int kind);

    // Moves the key from one list to the end of the other; false when it was not there.
    static bool moveKey(std::vector<std::uint64_t>& from, std::vector<std::uint64_t>& to, std::uint64_t key);

    static KanjiManager* instance;

    std::map<std::uint64_t, Kanji> kanji;
    KeyLists newKanji;
    KeyLists learningKanji;
    KeyLists masteredKanji;
};
