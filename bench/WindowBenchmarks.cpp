// The main window: laying out the next exercise for every screen type, and
// one frame of every screen drawn off screen. One window serves them all and
// is played forward, as a learner would, to reach each case. A layout is
// timed as the handling of the event that asks for it (the release of the
// last right answer, of Continue or of the level button, or the end of the
// last stroke): showNextExercise and the little that event does besides.

#include "bench/Registration.hpp"
#include "bench/Statistics.hpp"
#include "bench/WindowDriver.hpp"
#include "study/Exercise.hpp"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/OpenGL.hpp>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <set>

namespace
{
// Steps allowed to reach a wanted screen before giving up.
const int stepLimit = 5000;

// The lesson the help button opens from a screen, or -1.
int helpLeadsTo(int screen)
{
    switch (screen)
    {
    case ExerciseType::KunyomiQuestion:
    case ExerciseType::OnyomiQuestion:
    case ExerciseType::KanjiMeaningQuestion:
        return ExerciseType::NewKanjiInfo;
    case ExerciseType::WordPronunciationQuestion:
    case ExerciseType::WordMeaningQuestion:
        return ExerciseType::NewWordInfo;
    case ExerciseType::DrawKanjiFromMeaning:
        return ExerciseType::DrawingPractice;
    default:
        return -1;
    }
}

class PlayedWindow
{
public:
    static PlayedWindow& get()
    {
        static PlayedWindow played;
        return played;
    }

    MainWindow window;
    WindowDriver driver{window};

    // Plays on until the next exercise laid out is of the given type; the
    // time of that layout in milliseconds, or a negative number.
    double timeNextOfType(int type)
    {
        if (type == ExerciseType::None)
            return timeEmptyLevel();
        // Material once run out does not come back: fail at once after that.
        for (int i = 0; i < stepLimit && unreachable.count(type) == 0; ++i)
        {
            const WindowDriver::Step step = driver.finishScreen(std::rand() % 4 == 0);
            if (step.showedNext && step.to == type)
                return step.milliseconds;
        }
        unreachable.insert(type);
        return -1;
    }

    // Plays on until the screen shows; a lesson screen may also be reached
    // through the help button of a question, as new material runs out, and
    // the menu through the back button.
    bool reachScreen(int screen)
    {
        for (int i = 0; i < stepLimit && window.getState() != screen; ++i)
        {
            const int state = window.getState();
            if (helpLeadsTo(state) == screen)
                driver.askHelp();
            else if (screen == ExerciseType::None && state <= ExerciseType::DrawKanjiFromMeaning)
                driver.backToMenu();
            else
                driver.finishScreen(std::rand() % 4 == 0);
        }
        return window.getState() == screen;
    }

private:
    PlayedWindow()
    {
        std::srand(7);
        window.setUp(menu);
        driver.frame();
    }

    // Nothing to show: a level without material, started from the menu.
    double timeEmptyLevel()
    {
        if (!reachScreen(ExerciseType::None))
            return -1;
        driver.levelDown();
        const WindowDriver::Step step = driver.startLevel();
        driver.levelUp();
        return step.showedNext && step.to == ExerciseType::None ? step.milliseconds : -1;
    }

    MainWindow::MenuButtons menu;
    std::set<int> unreachable;
};

void BM_ShowNextExercise(benchmark::State& state)
{
    const int type = static_cast<int>(state.range(0));
    PlayedWindow& played = PlayedWindow::get();
    for (auto _ : state)
    {
        const double milliseconds = played.timeNextOfType(type);
        if (milliseconds < 0)
        {
            state.SkipWithError("the screen type was not reached");
            break;
        }
        state.SetIterationTime(milliseconds / 1000.0);
    }
}

void BM_FrameOffScreen(benchmark::State& state)
{
    const int screen = static_cast<int>(state.range(0));
    PlayedWindow& played = PlayedWindow::get();
    if (!played.reachScreen(screen))
    {
        state.SkipWithError("the screen was not reached");
        return;
    }
    sf::RenderTexture target;
    target.create(800, 600);
    for (auto _ : state)
    {
        played.window.update();
        played.window.drawScreen(target);
        target.display();
        // Software rendering runs behind the calls: wait for the pixels.
        glFinish();
    }
}
} // namespace



void registerWindowBenchmarks()
{
    // The lessons first: each needs material never shown, which runs out.
    benchmark::RegisterBenchmark("BM_ShowNextExercise", BM_ShowNextExercise)
        ->ArgName("type")
        ->Arg(ExerciseType::NewKanjiInfo)
        ->Arg(ExerciseType::NewWordInfo)
        ->Arg(ExerciseType::DrawingPractice)
        ->DenseRange(ExerciseType::None, ExerciseType::DrawKanjiFromMeaning)
        ->Apply(statistics::perCall<20>);
    benchmark::RegisterBenchmark("BM_FrameOffScreen", BM_FrameOffScreen)
        ->ArgName("screen")
        ->DenseRange(0, 9)
        ->Unit(benchmark::kMillisecond)
        ->Apply(statistics::repeated<5>);
}
