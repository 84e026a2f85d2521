// The study engine: loading the stores, saving, drawing exercises with
// their answers, and judging a stroke.

#include "bench/StoreLoadTiming.hpp"
#include "bench/Registration.hpp"
#include "bench/Statistics.hpp"
#include "study/Exercise.hpp"
#include "study/ExerciseManager.hpp"
#include "study/KanjiManager.hpp"
#include "study/TeachingTexts.hpp"
#include "study/WordManager.hpp"
#include "widgets/Helpers.hpp"

#include <chrono>
#include <cstdlib>
#include <sstream>

namespace
{
void storeLoad(benchmark::State& state, const char* store)
{
    // The first child writes the progress files that are missing, as a
    // first start does; the timed ones read them.
    if (StoreLoadTiming::timeInChild(store) < 0)
        state.SkipWithError("the loading child failed");
    for (auto _ : state)
    {
        const double seconds = StoreLoadTiming::timeInChild(store);
        if (seconds < 0)
        {
            state.SkipWithError("the loading child failed");
            break;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_LoadKanjiStore(benchmark::State& state)
{
    storeLoad(state, "kanji");
}

void BM_LoadWordStore(benchmark::State& state)
{
    storeLoad(state, "words");
}

void BM_SaveAll(benchmark::State& state)
{
    ExerciseManager* manager = ExerciseManager::getInstance();
    manager->countKanji(5);
    manager->countWords(5);
    for (auto _ : state)
    {
        const auto start = std::chrono::steady_clock::now();
        manager->saveProgress();
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

// The right answers of the exercise, as the learner would pick them.
std::set<std::wstring> rightAnswers(const Exercise& exercise)
{
    const Kanji kanji = KanjiManager::getInstance()->getKanji(exercise.getHash());
    const Word word = WordManager::getInstance()->getWord(exercise.getHash());
    switch (exercise.getType())
    {
    case ExerciseType::KunyomiQuestion:
        return kanji.getKunyomi();
    case ExerciseType::OnyomiQuestion:
        return kanji.getOnyomi();
    case ExerciseType::KanjiMeaningQuestion:
        return {kanji.getMeaning()};
    case ExerciseType::WordPronunciationQuestion:
        return {word.getReading()};
    case ExerciseType::WordMeaningQuestion:
        return {word.getMeaning()};
    default:
        return {};
    }
}

// Answers an exercise through the manager: every right answer, and a wrong
// one (or stroke) first when `mistake`.
void answer(ExerciseManager& manager, const Exercise& exercise, bool mistake)
{
    int scores[4] = {};
    const int type = exercise.getType();
    if (type >= ExerciseType::KunyomiQuestion && type <= ExerciseType::WordMeaningQuestion)
    {
        const bool kanji = type <= ExerciseType::KanjiMeaningQuestion;
        auto check = [&](const std::wstring& text) {
            return kanji ? manager.checkKanjiAnswer(text, &scores[0], &scores[1], &scores[2], &scores[3])
                         : manager.checkWordAnswer(text, &scores[0], &scores[1]);
        };
        const std::set<std::wstring> right = rightAnswers(exercise);
        if (mistake)
            for (const std::wstring& option : exercise.getOptions())
                if (right.count(option) == 0)
                {
                    check(option);
                    break;
                }
        for (const std::wstring& text : right)
            check(text);
    }
    else if (type == ExerciseType::DrawKanjiFromMeaning || type == ExerciseType::DrawingPractice)
    {
        const auto strokes = KanjiManager::getInstance()->getKanji(exercise.getHash()).getStrokes();
        if (mistake && !strokes.empty())
        {
            sf::VertexArray dash(sf::LineStrip, 2);
            dash[0].position = -strokes.front()[0].position;
            dash[1].position = dash[0].position + sf::Vector2f(4.f, 0.f);
            manager.checkStroke(dash);
        }
        for (std::size_t i = 0; i < strokes.size(); ++i)
        {
            sf::VertexArray stroke = strokes[i];
            if (type == ExerciseType::DrawingPractice)
                manager.checkStrokeAt(stroke, static_cast<unsigned>(i));
            else
                manager.checkStroke(stroke);
        }
        manager.checkStrokeCount(static_cast<int>(strokes.size()));
    }
}

void BM_ThousandExercisesWithAnswers(benchmark::State& state)
{
    std::srand(1);
    ExerciseManager& manager = *ExerciseManager::getInstance();
    manager.selectGrade(5);
    bool review = false;
    long nothing = 0;
    for (auto _ : state)
    {
        for (int i = 0; i < 1000; ++i)
        {
            const Exercise exercise = manager.nextExercise();
            // A run that has nothing left to offer: the learner turns to the
            // other mode, review or the level.
            if (exercise.getType() == ExerciseType::None)
            {
                ++nothing;
                review = !review;
                if (review)
                    manager.setReviewMode(true);
                else
                    manager.selectGrade(5);
            }
            answer(manager, exercise, std::rand() % 4 == 0);
        }
    }
    state.counters["nothing_left_per_1000"] =
        benchmark::Counter(static_cast<double>(nothing), benchmark::Counter::kAvgIterations);
}

// The kanji whose model has the most strokes.
std::wstring kanjiWithMostStrokes()
{
    std::wistringstream text(strokeTexts[5]);
    std::wstring line;
    std::wstring best;
    std::size_t bestCount = 0;
    while (std::getline(text, line) && line != L"#")
    {
        const std::wstring character = line;
        std::size_t count = 0;
        while (std::getline(text, line) && !line.empty())
            ++count;
        if (count > bestCount)
        {
            best = character;
            bestCount = count;
        }
    }
    return best;
}

void checkStroke(benchmark::State& state, bool right)
{
    KanjiManager* kanji = KanjiManager::getInstance();
    const std::uint64_t key = hashString(kanjiWithMostStrokes());
    const Exercise exercise = kanji->drawingExercise(key, true);
    const std::vector<sf::VertexArray> models = exercise.getStrokes();
    const unsigned index = static_cast<unsigned>(models.size() - 1);
    sf::VertexArray attempt = models.back();
    if (!right)
        for (std::size_t i = 0; i < attempt.getVertexCount(); ++i)
            attempt[i].position = -attempt[i].position;
    sf::VertexArray probe = attempt;
    if (kanji->checkStroke(exercise, probe, index, true) != right)
        state.SkipWithError("the stroke was not judged as meant");
    for (auto _ : state)
    {
        sf::VertexArray drawn = attempt;
        benchmark::DoNotOptimize(kanji->checkStroke(exercise, drawn, index, true));
    }
    state.SetLabel(std::to_string(models.size()) + " strokes, judging the last");
}

void BM_CheckStrokeAccepted(benchmark::State& state)
{
    checkStroke(state, true);
}

void BM_CheckStrokeRejected(benchmark::State& state)
{
    checkStroke(state, false);
}
} // namespace

void registerStoreBenchmarks()
{
    benchmark::RegisterBenchmark("BM_LoadKanjiStore", BM_LoadKanjiStore)->Apply(statistics::perCall<10>);
    benchmark::RegisterBenchmark("BM_LoadWordStore", BM_LoadWordStore)->Apply(statistics::perCall<10>);
    benchmark::RegisterBenchmark("BM_SaveAll", BM_SaveAll)->Apply(statistics::perCall<30>);
    benchmark::RegisterBenchmark("BM_ThousandExercisesWithAnswers", BM_ThousandExercisesWithAnswers)
        ->Unit(benchmark::kMillisecond)
        ->Apply(statistics::repeated<10>);
    benchmark::RegisterBenchmark("BM_CheckStrokeAccepted", BM_CheckStrokeAccepted)
        ->Unit(benchmark::kMicrosecond)
        ->Apply(statistics::repeated<10>);
    benchmark::RegisterBenchmark("BM_CheckStrokeRejected", BM_CheckStrokeRejected)
        ->Unit(benchmark::kMicrosecond)
        ->Apply(statistics::repeated<10>);
}
