#pragma once
// The process-wide store of every vocabulary word: per grade the words never
// shown, those being learned and those mastered, the word progress files,
// and the word exercises and their scoring.

#include "study/Exercise.hpp"
#include "study/KeyLists.hpp"
#include "study/Word.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class WordManager
{
public:
    // Created and loaded on the first call; never destroyed.
    static WordManager* getInstance();

    // Rewrites the progress file of every grade from memory.
    void save() const;

    int countMastered(int grade) const;
    int countWords(int grade) const;

    Exercise newWordExercise(std::uint64_t key) const;
    Exercise nextExercise(int grade, bool review);
    Exercise reviewExercise();
    bool checkAnswer(Exercise& exercise, std::wstring answer);
    bool hasEnoughAnswers(const Exercise& exercise, int accepted) const;

    // Read-only views of the store: a copy of a record (an empty one for an
    // unknown key) and copies of a grade's three lists.
    Word getWord(std::uint64_t key) const;
    KeyList getNewWords(int grade) const;
    KeyList getLearningWords(int grade) const;
    KeyList getMasteredWords(int grade) const;

private:
    WordManager() = default;

    void load();
    void parseWordText(int grade);
    void loadProgress(int grade);
    void applyProgress(int grade, std::uint64_t key, int readingScore, int meaningScore);
    void shuffleLists(int grade);

    bool kanjiAreKnown(const std::wstring& written) const;
    Exercise introduceWord(int grade);
    Exercise buildQuestion(int grade, std::uint64_t key, bool review);
    void updateLists(std::uint64_t key);

    std::map<std::uint64_t, Word> words;
    KeyLists newWords;
    KeyLists learningWords;
    KeyLists masteredWords;

    static WordManager* instance;
};
