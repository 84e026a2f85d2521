#include "study/WordManager.hpp"

#include "study/KeyShuffle.hpp"
#include "study/ProgressFile.hpp"
#include "study/TeachingTextReaders.hpp"
#include "study/TeachingTexts.hpp"
#include "widgets/Diagnostics.hpp"
#include "widgets/Helpers.hpp"

WordManager* WordManager::instance = nullptr;

namespace
{
constexpr int firstGrade = 1;
constexpr int lastGrade = 5;
constexpr std::size_t scoresPerWord = 2;

KeyList listOf(const KeyLists& lists, int grade)
{
    const auto found = lists.find(grade);
    return found == lists.end() ? KeyList() : found->second;
}
} // namespace

WordManager* WordManager::getInstance()
{
    if (!instance)
    {
        // The instance exists before loading so that nothing loads twice.
        instance = new WordManager();
        instance->load();
    }
    return instance;
}

void WordManager::load()
{
    for (int grade = firstGrade; grade <= lastGrade; ++grade)
    {
        newWords[grade];
        learningWords[grade];
        masteredWords[grade];
        parseWordText(grade);
        loadProgress(grade);
        shuffleLists(grade);
    }
}

void WordManager::parseWordText(int grade)
{
    for (const Word& word : readWordRecords(wordTexts[grade], grade))
    {
        const std::uint64_t key = hashString(word.getWord());
        const auto stored = words.find(key);
        if (stored == words.end())
            newWords[grade].push_back(key);
        else
            Diagnostics::warning(L"WARNING: Found hash collision between words " + word.getMeaning() + L" and " +
                                 stored->second.getMeaning() + L" (" + std::to_wstring(key) + L")");
        words[key] = word;
    }
}

void WordManager::loadProgress(int grade)
{
    const ProgressFile file(ProgressFile::wordPath(grade), scoresPerWord);
    std::vector<ProgressRecord> records;
    switch (file.read(records))
    {
    case ProgressFile::Status::Missing:
        for (const std::uint64_t key : newWords[grade])
        {
            words[key].setReadingScore(-1);
            words[key].setMeaningScore(-1);
            records.push_back({key, {-1, -1}});
        }
        file.write(records);
        break;
    case ProgressFile::Status::Unreadable:
        // Already warned about; the file stays as it is and every word stays new.
        break;
    case ProgressFile::Status::Read:
        for (const auto& record : records)
            applyProgress(grade, record.key, record.scores[0], record.scores[1]);
        break;
    }
}

void WordManager::applyProgress(int grade, std::uint64_t key, int readingScore, int meaningScore)
{
    if (words.find(key) == words.end())
        Diagnostics::warning(L"WARNING: In grade " + std::to_wstring(grade) +
                             L" found saved data for word with hash code " + std::to_wstring(key) +
                             L" but no word was found");
    Word& word = words[key];
    word.setReadingScore(readingScore);
    word.setMeaningScore(meaningScore);
    placeLoadedKey(readingScore == 100 && meaningScore == 100, readingScore != -1 && meaningScore != -1,
                   newWords[grade], learningWords[grade], masteredWords[grade], key);
}

void WordManager::shuffleLists(int grade)
{
    shuffleKeyLists(newWords[grade], learningWords[grade], masteredWords[grade]);
}

void WordManager::save() const
{
    std::map<int, std::vector<ProgressRecord>> byGrade;
    for (int grade = firstGrade; grade <= lastGrade; ++grade)
        byGrade[grade];
    // The map is ordered by key, so every file comes out in ascending key order.
    for (const auto& [key, word] : words)
    {
        const auto file = byGrade.find(word.getGrade());
        if (file != byGrade.end())
            file->second.push_back({hashString(word.getWord()), {word.getReadingScore(), word.getMeaningScore()}});
    }
    ProgressFile::Batch files;
    for (auto& [grade, records] : byGrade)
        files.emplace_back(ProgressFile(ProgressFile::wordPath(grade), scoresPerWord), std::move(records));
    ProgressFile::writeAll(files);
}

int WordManager::countMastered(int grade) const
{
    return static_cast<int>(keyCount(masteredWords, grade));
}

int WordManager::countWords(int grade) const
{
    return static_cast<int>(keyCount(newWords, grade) + keyCount(learningWords, grade) + keyCount(masteredWords, grade));
}

Word WordManager::getWord(std::uint64_t key) const
{
    const auto found = words.find(key);
    return found == words.end() ? Word() : found->second;
}

KeyList WordManager::getNewWords(int grade) const
{
    return listOf(newWords, grade);
}

KeyList WordManager::getLearningWords(int grade) const
{
    return listOf(learningWords, grade);
}

KeyList WordManager::getMasteredWords(int grade) const
{
    return listOf(masteredWords, grade);
}

void WordManager::updateLists(std::uint64_t key)
{
    const Word& word = words[key];
    const int grade = word.getGrade();
    settleKey(word.getReadingScore() == 100 && word.getMeaningScore() == 100, learningWords[grade],
              masteredWords[grade], key);
}
