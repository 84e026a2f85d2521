#include "study/Word.hpp"

std::wstring Word::getWord() const
{
    return word;
}

void Word::setWord(const std::wstring& word)
{
    this->word = word;
}

int Word::getGrade() const
{
    return grade;
}

void Word::setGrade(int grade)
{
    this->grade = grade;
}

std::wstring Word::getReading() const
{
    return reading;
}

void Word::setReading(const std::wstring& reading)
{
    this->reading = reading;
}

std::wstring Word::getMeaning() const
{
    return meaning;
}

void Word::setMeaning(const std::wstring& meaning)
{
    this->meaning = meaning;
}

int Word::getReadingScore() const
{
    return readingScore;
}

void Word::setReadingScore(int score)
{
    readingScore = score;
}

int Word::getMeaningScore() const
{
    return meaningScore;
}

void Word::setMeaningScore(int score)
{
    meaningScore = score;
}
