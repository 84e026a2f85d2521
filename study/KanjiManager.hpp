#pragma once
// The process-wide kanji store: every kanji of every grade, the learner's
// scores, and per grade the keys of the new, learning and mastered kanji.
// It builds the kanji exercises and scores the answers and strokes.

#include "study/Exercise.hpp"
#include "study/Kanji.hpp"
#include "study/KeyLists.hpp"

#include <SFML/Graphics/VertexArray.hpp>

#include <cstdint>
#include <map>
#include <string>

class KanjiManager
{
public:
    // Created and loaded on the first call; never destroyed.
    static KanjiManager* getInstance();

    // Rewrites the progress file of every grade from memory.
    void save() const;

    // A copy of the record, or an empty one (empty character) for an unknown key.
    Kanji getKanji(std::uint64_t key) const;

    int countMastered(int grade) const;
    int countKanji(int grade) const;

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
    void updateLists(const Kanji& kanji);

private:
    KanjiManager() = default;

    void load();
    void readKanjiText(int grade);
    void readProgress(int grade);
    void readStrokeText(int grade);
    void shuffleLists(int grade);

    Exercise buildQuestion(int grade, const Kanji& asked, int kind);

    static KanjiManager* instance;

    std::map<std::uint64_t, Kanji> kanji;
    KeyLists newKanji;
    KeyLists learningKanji;
    KeyLists masteredKanji;
};
