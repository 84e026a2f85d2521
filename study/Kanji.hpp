#pragma once
// One kanji: its character, grade, readings, meaning and model strokes from
// the teaching texts, and the learner's four scores (-1 while never shown,
// else 0 to 100). Held by the kanji store; everyone else gets copies.

#include <SFML/Graphics/VertexArray.hpp>

#include <set>
#include <string>
#include <vector>

class Kanji
{
public:
    std::wstring getCharacter() const;
    void setCharacter(const std::wstring& character);

    int getGrade() const;
    void setGrade(int grade);

    std::set<std::wstring> getKunyomi() const;
    void setKunyomi(const std::set<std::wstring>& kunyomi);

    std::set<std::wstring> getOnyomi() const;
    void setOnyomi(const std::set<std::wstring>& onyomi);

    std::wstring getMeaning() const;
    void setMeaning(const std::wstring& meaning);

    std::vector<sf::VertexArray> getStrokes() const;
    void setStrokes(const std::vector<sf::VertexArray>& strokes);

    int getMeaningScore() const;
    void setMeaningScore(int meaningScore);

    int getKunyomiScore() const;
    void setKunyomiScore(int kunyomiScore);

    int getOnyomiScore() const;
    void setOnyomiScore(int onyomiScore);

    int getDrawingScore() const;
    void setDrawingScore(int drawingScore);

    // Never asked about: the drawing score does not count.
    bool isNew() const;

private:
    std::wstring character;
    int grade = 0;
    std::set<std::wstring> kunyomi;
    std::set<std::wstring> onyomi;
    std::wstring meaning;
    std::vector<sf::VertexArray> strokes;
    int meaningScore = 0;
    int kunyomiScore = 0;
    int onyomiScore = 0;
    int drawingScore = 0;
};
