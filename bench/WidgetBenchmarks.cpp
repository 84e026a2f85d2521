// Label fitting: the answer buttons and the question sign, with the longest
// texts the teaching material holds.

#include "bench/Registration.hpp"
#include "bench/Statistics.hpp"
#include "study/KanjiManager.hpp"
#include "study/TeachingTexts.hpp"
#include "study/WordManager.hpp"
#include "widgets/Button.hpp"
#include "widgets/Helpers.hpp"
#include "widgets/ResourceHolder.hpp"
#include "widgets/ResourceIds.hpp"
#include "widgets/Sign.hpp"

#include <algorithm>
#include <sstream>
#include <vector>

namespace
{
// The `count` longest texts, longest first.
std::vector<std::wstring> longest(std::vector<std::wstring> texts, std::size_t count)
{
    std::stable_sort(texts.begin(), texts.end(),
                     [](const std::wstring& a, const std::wstring& b) { return a.size() > b.size(); });
    texts.resize(std::min(count, texts.size()));
    return texts;
}

std::vector<std::wstring> allReadings()
{
    std::vector<std::wstring> readings;
    std::wistringstream text(kanjiTexts[5]);
    std::wstring line;
    while (std::getline(text, line) && line != L"#")
    {
        const Kanji kanji = KanjiManager::getInstance()->getKanji(hashString(line));
        for (const auto& reading : kanji.getKunyomi())
            readings.push_back(reading);
        for (const auto& reading : kanji.getOnyomi())
            readings.push_back(reading);
        // Skip to the record's end line.
        while (std::getline(text, line) && line != L"\u30FC\u30FC\u30FC\u30FC")
        {
        }
    }
    return readings;
}

std::vector<std::wstring> allWordTexts(bool meanings)
{
    std::vector<std::wstring> texts;
    const WordManager* words = WordManager::getInstance();
    for (const auto& list : {words->getNewWords(5), words->getLearningWords(5), words->getMasteredWords(5)})
        for (const std::uint64_t key : list)
            texts.push_back(meanings ? words->getWord(key).getMeaning() : words->getWord(key).getWord());
    return texts;
}

std::vector<Button> answerButtons(int top, int bottom, std::size_t count)
{
    TextureHolder* textures = TextureHolder::getInstance();
    Button button;
    button.setBottomTexture(textures->get(bottom));
    button.setTopTexture(textures->get(top));
    button.setPosition(400.0, 300.0);
    return std::vector<Button>(count, button);
}

void BM_ButtonSetTextNineReadings(benchmark::State& state)
{
    const auto texts = longest(allReadings(), 9);
    auto buttons = answerButtons(TextureId::ShortExerciseButtonTop, TextureId::ShortExerciseButtonBottom, 9);
    for (auto _ : state)
        for (std::size_t i = 0; i < buttons.size(); ++i)
            buttons[i].setText(texts[i % texts.size()], false);
}

void BM_ButtonSetTextSixLongMeanings(benchmark::State& state)
{
    const auto texts = longest(allWordTexts(true), 6);
    auto buttons = answerButtons(TextureId::LongExerciseButtonTop, TextureId::LongExerciseButtonBottom, 6);
    for (auto _ : state)
        for (std::size_t i = 0; i < buttons.size(); ++i)
            buttons[i].setText(texts[i % texts.size()], false);
}

void questionSign(benchmark::State& state, const std::wstring& text)
{
    Sign sign;
    sign.setTexture(TextureHolder::getInstance()->get(TextureId::QuestionSign));
    sign.setFont(FontHolder::getInstance()->get(FontId::ShipporiGothicB2OtfBold));
    sign.setCharacterSize(140);
    sign.setPosition(640.0, 300.0);
    for (auto _ : state)
        sign.setText(text, false);
}

void BM_QuestionSignSetTextKanji(benchmark::State& state)
{
    std::wistringstream text(kanjiTexts[5]);
    std::wstring first;
    std::getline(text, first);
    questionSign(state, first);
}

void BM_QuestionSignSetTextLongestWord(benchmark::State& state)
{
    questionSign(state, longest(allWordTexts(false), 1).front());
}
} // namespace

void registerWidgetBenchmarks()
{
    benchmark::RegisterBenchmark("BM_ButtonSetTextNineReadings", BM_ButtonSetTextNineReadings)
        ->Unit(benchmark::kMillisecond)
        ->Apply(statistics::repeated<10>);
    benchmark::RegisterBenchmark("BM_ButtonSetTextSixLongMeanings", BM_ButtonSetTextSixLongMeanings)
        ->Unit(benchmark::kMillisecond)
        ->Apply(statistics::repeated<10>);
    benchmark::RegisterBenchmark("BM_QuestionSignSetTextKanji", BM_QuestionSignSetTextKanji)
        ->Unit(benchmark::kMicrosecond)
        ->Apply(statistics::repeated<10>);
    benchmark::RegisterBenchmark("BM_QuestionSignSetTextLongestWord", BM_QuestionSignSetTextLongestWord)
        ->Unit(benchmark::kMicrosecond)
        ->Apply(statistics::repeated<10>);
}
