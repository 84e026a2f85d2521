#pragma once
// The application's way into the study engine: the study mode, the current
// exercise and what has been accepted in it, answer and stroke checks with
// sound feedback, and saving.

#include "study/Exercise.hpp"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <set>
#include <string>

// Played for every accepted answer or stroke, its pitch rising with each.
extern sf::Sound correctSound;
// Played for every rejected answer or stroke.
extern sf::Sound incorrectSound;

class ExerciseManager
{
public:
    static ExerciseManager* getInstance();

    void selectGrade(int grade);
    void setReviewMode(bool on);

    int countMasteredKanji(int grade);
    int countKanji(int grade);
    int countMasteredWords(int grade);
    int countWords(int grade);

    Exercise nextExercise();
    Exercise helpExercise();
    Exercise getExercise() const;

    bool isQuestionComplete();
    bool checkKanjiAnswer(const std::wstring& answer, int* meaning, int* kunyomi, int* onyomi, int* drawing);
    bool checkWordAnswer(const std::wstring& answer, int* reading, int* meaning);

    bool checkStroke(sf::VertexArray& stroke);
    bool checkStrokeAt(sf::VertexArray& stroke, unsigned index);
    bool checkStrokeCount(int strokes);

    void saveProgress();
    [[noreturn]] void saveAndQuit();

private:
    ExerciseManager() = default;

    Exercise gradeExercise();
    Exercise reviewExercise();
    void playCorrect(int count);

    bool reviewMode = false;
    int grade = 5;
    Exercise exercise;
    std::set<std::wstring> acceptedAnswers;
    int acceptedStrokes = 0;

    static ExerciseManager* instance;
};
