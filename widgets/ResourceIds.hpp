#pragma once
// Fixed ids of every sound, font and picture; the values are the holders' keys.

namespace SoundId
{
enum
{
    CorrectAnswer = 0,
    HoverOverButton = 1,
    IncorrectAnswer = 2,
    PressButton = 3,
    ReleaseButton = 4
};
}

namespace FontId
{
enum
{
    MoboBold = 0,
    ShipporiGothicB2OtfBold = 1
};
}

namespace TextureId
{
enum
{
    Title = 0,
    Background = 1,
    MenuArrowLeftBottom = 2,
    MenuArrowLeftTop = 3,
    MenuArrowRightBottom = 4,
    MenuArrowRightTop = 5,
    BigMenuButtonBottom = 6,
    BigMenuButtonTop = 7,
    SaveButtonBottom = 8,
    SaveButtonTop = 9,
    HelpButtonBottom = 10,
    HelpButtonTop = 11,
    UndoArrowTop = 12,
    UndoArrowBottom = 13,
    ShortExerciseButtonBottom = 14,
    ShortExerciseButtonTop = 15,
    LongExerciseButtonBottom = 16,
    LongExerciseButtonTop = 17,
    WordTutorialSign = 18,
    QuestionSign = 19,
    InstructionsSign = 20,
    MeaningSign = 21,
    KunOnSign = 22,
    ReadingSign = 23,
    DrawingBoard = 24
};
}
