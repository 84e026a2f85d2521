#pragma once
// The application's way into the study engine: the study mode, the current
// exercise and what has been accepted in it, answer and stroke checks with
// sound feedback, and saving.

#include "study/Exercise.hpp"

#include <SFML/Audio/Sound.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <functional>
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

    int countMasteredKanji(int grade) const;
    int countKanji(int grade) const;
    int countMasteredWords(int grade) const;
    int countWords(int grade) const;

    Exercise nextExercise();
    Exercise helpExercise();
    Exercise getExercise() const;

    bool isQuestionComplete() const;
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
    // The course both answer checks share; `report` writes the caller's outputs.
    bool judgeAnswer(const std::wstring& answer, bool typeFits, const std::function<bool()>& score,
                     const std::function<void()>& report);
    void playCorrect(int count);

    bool reviewMode = false;
    int grade = 5;
    Exercise exercise;
    std::set<std::wstring> acceptedAnswers;
    int acceptedStrokes = 0;

    static ExerciseManager* instance;
};
