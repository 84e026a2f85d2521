#pragma once
// One exercise as a screen shows it: what kind it is, which item it is
// about, snapshots of that item's scores, and the texts, options and model
// strokes the screen needs. Returned by value everywhere.

#include <SFML/Graphics/VertexArray.hpp>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

// The kind of an exercise, also the number of the screen that shows it
// (0, nothing available, is the main menu).
namespace ExerciseType
{
enum Value : int
{
    None = 0,
    KunyomiQuestion = 1,
    OnyomiQuestion = 2,
    KanjiMeaningQuestion = 3,
    WordPronunciationQuestion = 4,
    WordMeaningQuestion = 5,
    DrawKanjiFromMeaning = 6,
    NewKanjiInfo = 7,
    NewWordInfo = 8,
    DrawingPractice = 9
};
} // namespace ExerciseType

class Exercise
{
public:
    int getType() const;
    void setType(int type);

    std::uint64_t getHash() const;
    void setHash(std::uint64_t hash);

    int getMeaningProgress() const;
    void setMeaningProgress(int meaningProgress);

    int getKunyomiProgress() const;
    void setKunyomiProgress(int kunyomiProgress);

    int getOnyomiProgress() const;
    void setOnyomiProgress(int onyomiProgress);

    int getReadingProgress() const;
    void setReadingProgress(int readingProgress);

    int getDrawingProgress() const;
    void setDrawingProgress(int drawingProgress);

    std::wstring getText() const;
    void setText(const std::wstring& text);

    std::wstring getMeaning() const;
    void setMeaning(const std::wstring& meaning);

    std::set<std::wstring> getOptions() const;
    void setOptions(const std::set<std::wstring>& options);

    std::vector<sf::VertexArray> getStrokes() const;
    void setStrokes(const std::vector<sf::VertexArray>& strokes);

    std::set<std::wstring> getKunyomi() const;
    void setKunyomi(const std::set<std::wstring>& kunyomi);

    std::set<std::wstring> getOnyomi() const;
    void setOnyomi(const std::set<std::wstring>& onyomi);

    std::wstring getReading() const;
    void setReading(const std::wstring& reading);

    std::wstring getInstruction() const;
    void setInstruction(const std::wstring& instruction);

private:
    int type = ExerciseType::None;
    std::uint64_t hash = 0;
    int meaningProgress = 0;
    int kunyomiProgress = 0;
    int onyomiProgress = 0;
    int readingProgress = 0;
    int drawingProgress = 0;
    std::wstring text;
    std::wstring meaning;
    std::set<std::wstring> options;
    std::vector<sf::VertexArray> strokes;
    std::set<std::wstring> kunyomi;
    std::set<std::wstring> onyomi;
    std::wstring reading;
    std::wstring instruction;
};
