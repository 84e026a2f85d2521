#include "study/Exercise.hpp"

int Exercise::getType() const
{
    return type;
}

void Exercise::setType(int type)
{
    this->type = type;
}

std::uint64_t Exercise::getHash() const
{
    return hash;
}

void Exercise::setHash(std::uint64_t hash)
{
    this->hash = hash;
}

int Exercise::getMeaningProgress() const
{
    return meaningProgress;
}

void Exercise::setMeaningProgress(int meaningProgress)
{
    this->meaningProgress = meaningProgress;
}

int Exercise::getKunyomiProgress() const
{
    return kunyomiProgress;
}

void Exercise::setKunyomiProgress(int kunyomiProgress)
{
    this->kunyomiProgress = kunyomiProgress;
}

int Exercise::getOnyomiProgress() const
{
    return onyomiProgress;
}

void Exercise::setOnyomiProgress(int onyomiProgress)
{
    this->onyomiProgress = onyomiProgress;
}

int Exercise::getReadingProgress() const
{
    return readingProgress;
}

void Exercise::setReadingProgress(int readingProgress)
{
    this->readingProgress = readingProgress;
}

int Exercise::getDrawingProgress() const
{
    return drawingProgress;
}

void Exercise::setDrawingProgress(int drawingProgress)
{
    this->drawingProgress = drawingProgress;
}

std::wstring Exercise::getText() const
{
    return text;
}

void Exercise::setText(const std::wstring& text)
{
    this->text = text;
}

std::wstring Exercise::getMeaning() const
{
    return meaning;
}

void Exercise::setMeaning(const std::wstring& meaning)
{
    this->meaning = meaning;
}

std::set<std::wstring> Exercise::getOptions() const
{
    return options;
}

void Exercise::setOptions(const std::set<std::wstring>& options)
{
    this->options = options;
}

std::vector<sf::VertexArray> Exercise::getStrokes() const
{
    return strokes;
}

void Exercise::setStrokes(const std::vector<sf::VertexArray>& strokes)
{
    this->strokes = strokes;
}

std::set<std::wstring> Exercise::getKunyomi() const
{
    return kunyomi;
}

void Exercise::setKunyomi(const std::set<std::wstring>& kunyomi)
{
    this->kunyomi = kunyomi;
}

std::set<std::wstring> Exercise::getOnyomi() const
{
    return onyomi;
}

void Exercise::setOnyomi(const std::set<std::wstring>& onyomi)
{
    this->onyomi = onyomi;
}

std::wstring Exercise::getReading() const
{
    return reading;
}

void Exercise::setReading(const std::wstring& reading)
{
    this->reading = reading;
}

std::wstring Exercise::getInstruction() const
{
    return instruction;
}

void Exercise::setInstruction(const std::wstring& instruction)
{
    this->instruction = instruction;
}
