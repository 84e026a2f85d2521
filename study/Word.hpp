#pragma once
// One vocabulary word: its written form, grade, reading, meaning and the
// learner's two scores (-1 while never shown, else 0 to 100).

#include <string>

class Word
{
public:
    std::wstring getWord() const;
    void setWord(const std::wstring& word);

    int getGrade() const;
    void setGrade(int grade);

    std::wstring getReading() const;
    void setReading(const std::wstring& reading);

    std::wstring getMeaning() const;
    void setMeaning(const std::wstring& meaning);

    int getReadingScore() const;
    void setReadingScore(int score);

    int getMeaningScore() const;
    void setMeaningScore(int score);

private:
    std::wstring word;
    int grade = 0;
    std::wstring reading;
    std::wstring meaning;
    int readingScore = 0;
    int meaningScore = 0;
};
