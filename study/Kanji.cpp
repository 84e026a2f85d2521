#include "study/Kanji.hpp"

std::wstring Kanji::getCharacter() const
{
    return character;
}

void Kanji::setCharacter(const std::wstring& character)
{
    this->character = character;
}

int Kanji::getGrade() const
{
    return grade;
}

void Kanji::setGrade(int grade)
{
    this->grade = grade;
}

std::set<std::wstring> Kanji::getKunyomi() const
{
    return kunyomi;
}

void Kanji::setKunyomi(const std::set<std::wstring>& kunyomi)
{
    this->kunyomi = kunyomi;
}

std::set<std::wstring> Kanji::getOnyomi() const
{
    return onyomi;
}

void Kanji::setOnyomi(const std::set<std::wstring>& onyomi)
{
    this->onyomi = onyomi;
}

std::wstring Kanji::getMeaning() const
{
    return meaning;
}

void Kanji::setMeaning(const std::wstring& meaning)
{
    this->meaning = meaning;
}

std::vector<sf::VertexArray> Kanji::getStrokes() const
{
    return strokes;
}

void Kanji::setStrokes(const std::vector<sf::VertexArray>& strokes)
{
    this->strokes = strokes;
}

int Kanji::getMeaningScore() const
{
    return meaningScore;
}

void Kanji::setMeaningScore(int meaningScore)
{
    this->meaningScore = meaningScore;
}

int Kanji::getKunyomiScore() const
{
    return kunyomiScore;
}

void Kanji::setKunyomiScore(int kunyomiScore)
{
    this->kunyomiScore = kunyomiScore;
}

int Kanji::getOnyomiScore() const
{
    return onyomiScore;
}

void Kanji::setOnyomiScore(int onyomiScore)
{
    this->onyomiScore = onyomiScore;
}

int Kanji::getDrawingScore() const
{
    return drawingScore;
}

void Kanji::setDrawingScore(int drawingScore)
{
    this->drawingScore = drawingScore;
}

bool Kanji::isNew() const
{
    return meaningScore == -1 && kunyomiScore == -1 && onyomiScore == -1;
}
