#pragma once
// The process-wide store of every vocabulary word: per grade the words never
// shown, those being learned and those mastered, the word progress files,
// and the word exercises and their scoring.

#include "study/Exercise.hpp"
#include "study/Word.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class WordManager
{
public:
    static WordManager* getInstance();

    void load();
    void save();

    int countMastered(int grade);
    int countWords(int grade);

    Exercise newWordExercise(std::uint64_t key);
    Exercise nextExercise(int grade, bool review);
    Exercise reviewExercise();
    bool checkAnswer(Exercise& exercise, std::wstring answer);
    bool hasEnoughAnswers(const Exercise& exercise, int accepted);

    // Read-only views of the store: a copy of a record (an empty one for an
    // unknown key) and copies of a grade's three lists.
    Word getWord(std::uint64_t key) const;
    std::vector<std::uint64_t> getNewWords(int grade) const;
    std::vector<std::uint64_t> getLearningWords(int grade) const;
    std::vector<std::uint64_t> getMasteredWords(int grade) const;

private:
    WordManager() = default;

    void parseWordText(int grade);
    void loadProgress(int grade);
    void applyProgress(int grade, std::uint64_t key, int readingScore, int meaningScore);
    void shuffleLists(int grade);

    bool kanjiAreKnown(const std::wstring& written) const;
    Exercise introduceWord(int grade);
    Exercise buildQuestion(int grade, std::uint64_t key, bool review);
    const std::vector<std::uint64_t>& optionSource(int grade);
    void updateLists(std::uint64_t key);

    std::map<std::uint64_t, Word> words;
    std::map<int, std::vector<std::uint64_t>> newWords;
    std::map<int, std::vector<std::uint64_t>> learningWords;
    std::map<int, std::vector<std::uint64_t>> masteredWords;

    static WordManager* instance;
};
