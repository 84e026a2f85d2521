#include "study/KanjiManager.hpp"

#include "study/KeyShuffle.hpp"
#include "study/ProgressFile.hpp"
#include "study/TeachingTextReaders.hpp"
#include "study/TeachingTexts.hpp"
#include "widgets/Diagnostics.hpp"
#include "widgets/Helpers.hpp"

#include <algorithm>

KanjiManager* KanjiManager::instance = nullptr;

KanjiManager* KanjiManager::getInstance()
{
    if (!instance)
    {
        instance = new KanjiManager();
        instance->load();
    }
    return instance;
}

void KanjiManager::load()
{
    for (int grade = 1; grade <= 5; ++grade)
    {
        newKanji[grade];
        learningKanji[grade];
        masteredKanji[grade];
        readKanjiText(grade);
        readProgress(grade);
        readStrokeText(grade);
        shuffleLists(grade);
    }
}

void KanjiManager::readKanjiText(int grade)
{
    for (const Kanji& record : readKanjiRecords(kanjiTexts[grade], grade))
    {
        const std::uint64_t key = hashString(record.getCharacter());
        const auto stored = kanji.find(key);
        if (stored == kanji.end())
            newKanji[grade].push_back(key);
        else
            Diagnostics::warning(L"WARNING: Found hash collision between " + record.getMeaning() + L" and " +
                                 stored->second.getMeaning() + L" (" + std::to_wstring(key) + L")");
        kanji[key] = record;
    }
}

void KanjiManager::readProgress(int grade)
{
    const ProgressFile file(ProgressFile::kanjiPath(grade), 4);
    std::vector<ProgressRecord> records;
    switch (file.read(records))
    {
    case ProgressFile::Status::Missing:
        for (const std::uint64_t key : newKanji[grade])
        {
            Kanji& record = kanji[key];
            record.setMeaningScore(-1);
            record.setKunyomiScore(-1);
            record.setOnyomiScore(-1);
            record.setDrawingScore(-1);
            records.push_back({key, {-1, -1, -1, -1}});
        }
        file.write(records);
        return;
    case ProgressFile::Status::Unreadable:
        // Already warned about; creating the file would overwrite the progress in it.
        return;
    case ProgressFile::Status::Read:
        break;
    }

    for (const auto& saved : records)
    {
        if (kanji.find(saved.key) == kanji.end())
            Diagnostics::warning(L"WARNING: In grade " + std::to_wstring(grade) +
                                 L" found saved data for kanji with hash code " + std::to_wstring(saved.key) +
                                 L" but no kanji was found");
        Kanji& record = kanji[saved.key];
        record.setMeaningScore(saved.scores[0]);
        record.setKunyomiScore(saved.scores[1]);
        record.setOnyomiScore(saved.scores[2]);
        record.setDrawingScore(saved.scores[3]);

        // The drawing score does not decide whether a kanji has been started.
        const bool finished =
            std::all_of(saved.scores.begin(), saved.scores.end(), [](int score) { return score == 100; });
        const bool started = saved.scores[0] != -1 && saved.scores[1] != -1 && saved.scores[2] != -1;
        placeLoadedKey(finished, started, newKanji[grade], learningKanji[grade], masteredKanji[grade], saved.key);
    }
}

void KanjiManager::readStrokeText(int grade)
{
    for (const StrokeRecord& record : readStrokeRecords(strokeTexts[grade]))
        kanji[hashString(record.character)].setStrokes(record.strokes);
}

void KanjiManager::shuffleLists(int grade)
{
    shuffleKeyLists(newKanji[grade], learningKanji[grade], masteredKanji[grade]);
}

void KanjiManager::save() const
{
    ProgressFile::Batch files;
    for (int grade = 1; grade <= 5; ++grade)
    {
        // The map is ordered, so the records come out in ascending key order.
        std::vector<ProgressRecord> records;
        for (const auto& entry : kanji)
        {
            const Kanji& record = entry.second;
            if (record.getGrade() != grade)
                continue;
            records.push_back({hashString(record.getCharacter()),
                               {record.getMeaningScore(), record.getKunyomiScore(), record.getOnyomiScore(),
                                record.getDrawingScore()}});
        }
        files.emplace_back(ProgressFile(ProgressFile::kanjiPath(grade), 4), std::move(records));
    }
    ProgressFile::writeAll(files);
}

Kanji KanjiManager::getKanji(std::uint64_t key) const
{
    const auto found = kanji.find(key);
    return found == kanji.end() ? Kanji() : found->second;
}

int KanjiManager::countMastered(int grade) const
{
    return static_cast<int>(keyCount(masteredKanji, grade));
}

int KanjiManager::countKanji(int grade) const
{
    return static_cast<int>(keyCount(newKanji, grade) + keyCount(learningKanji, grade) +
                            keyCount(masteredKanji, grade));
}
