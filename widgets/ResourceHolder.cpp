#include "widgets/ResourceHolder.hpp"

#include "widgets/Diagnostics.hpp"
#include "widgets/ResourceIds.hpp"

#include <utility>
#include <vector>

namespace
{
bool loadResource(sf::SoundBuffer& buffer, const std::string& path)
{
    return buffer.loadFromFile(path);
}

bool loadResource(sf::Font& font, const std::string& path)
{
    return font.loadFromFile(path);
}

bool loadResource(FontMetrics& metrics, const std::string& path)
{
    return metrics.loadFromFile(path);
}

bool loadResource(sf::Texture& texture, const std::string& path)
{
    return texture.loadFromFile(path, sf::IntRect(0, 0, 0, 0));
}

using FileList = std::vector<std::pair<int, std::string>>;

std::string sprite(const std::string& name)
{
    return "sprites/" + name + ".png";
}

FileList fileList(const sf::SoundBuffer*)
{
    return {{SoundId::CorrectAnswer, "sounds/correct_answer.wav"},
            {SoundId::HoverOverButton, "sounds/hover_over_button.wav"},
            {SoundId::IncorrectAnswer, "sounds/incorrect_answer.wav"},
            {SoundId::PressButton, "sounds/press_button.wav"},
            {SoundId::ReleaseButton, "sounds/release_button.wav"}};
}

FileList fileList(const sf::Font*)
{
    return {{FontId::MoboBold, "fonts/MOBO_Bold.otf"},
            {FontId::ShipporiGothicB2OtfBold, "fonts/ShipporiGothicB2-OTF-Bold.otf"}};
}

FileList fileList(const FontMetrics*)
{
    return fileList(static_cast<const sf::Font*>(nullptr));
}

// Load order differs from id order: the big menu button comes third and the
// undo arrow's bottom picture before its top.
FileList fileList(const sf::Texture*)
{
    return {{TextureId::Title, sprite("title")},
            {TextureId::Background, sprite("background")},
            {TextureId::BigMenuButtonBottom, sprite("big_menu_button_bottom")},
            {TextureId::BigMenuButtonTop, sprite("big_menu_button_top")},
            {TextureId::MenuArrowLeftBottom, sprite("menu_arrow_left_bottom")},
            {TextureId::MenuArrowLeftTop, sprite("menu_arrow_left_top")},
            {TextureId::MenuArrowRightBottom, sprite("menu_arrow_right_bottom")},
            {TextureId::MenuArrowRightTop, sprite("menu_arrow_right_top")},
            {TextureId::SaveButtonBottom, sprite("save_button_bottom")},
            {TextureId::SaveButtonTop, sprite("save_button_top")},
            {TextureId::HelpButtonBottom, sprite("help_button_bottom")},
            {TextureId::HelpButtonTop, sprite("help_button_top")},
            {TextureId::UndoArrowBottom, sprite("undo_arrow_bottom")},
            {TextureId::UndoArrowTop, sprite("undo_arrow_top")},
            {TextureId::ShortExerciseButtonBottom, sprite("short_exercise_button_bottom")},
            {TextureId::ShortExerciseButtonTop, sprite("short_exercise_button_top")},
            {TextureId::LongExerciseButtonBottom, sprite("long_exercise_button_bottom")},
            {TextureId::LongExerciseButtonTop, sprite("long_exercise_button_top")},
            {TextureId::WordTutorialSign, sprite("word_tutorial_sign")},
            {TextureId::QuestionSign, sprite("question_sign")},
            {TextureId::InstructionsSign, sprite("instructions_sign")},
            {TextureId::MeaningSign, sprite("meaning_sign")},
            {TextureId::KunOnSign, sprite("kun_on_sign")},
            {TextureId::ReadingSign, sprite("reading_sign")},
            {TextureId::DrawingBoard, sprite("drawing_board")}};
}
} // namespace

template <typename R>
ResourceHolder<R>* ResourceHolder<R>::instance = nullptr;

template <typename R>
ResourceHolder<R>* ResourceHolder<R>::getInstance()
{
    if (!instance)
    {
        // Stored before loading, as the loaders may be reached again.
        instance = new ResourceHolder();
        instance->loadAll();
    }
    return instance;
}

template <typename R>
ResourceHolder<R>* ResourceHolder<R>::existingInstance()
{
    return instance;
}

template <typename R>
void ResourceHolder<R>::loadAll()
{
    for (const auto& entry : fileList(static_cast<const R*>(nullptr)))
        load(entry.first, entry.second);
}

template <typename R>
void ResourceHolder<R>::load(int id, const std::string& path)
{
    auto resource = std::make_unique<R>();
    if (!loadResource(*resource, path))
        Diagnostics::fatal("ERROR: file " + path + " not found");
    resources.emplace(id, std::move(resource));
}

template <typename R>
R& ResourceHolder<R>::get(int id)
{
    auto found = resources.find(id);
    if (found == resources.end())
        reportMissing();
    return *found->second;
}

template <typename R>
int ResourceHolder<R>::find(const R& resource) const
{
    for (const auto& entry : resources)
        if (entry.second.get() == &resource)
            return entry.first;
    return -1;
}

template <typename R>
void ResourceHolder<R>::reportMissing()
{
    Diagnostics::fatal("ERROR: could not find the desired element in the resource holder");
}

template class ResourceHolder<sf::SoundBuffer>;
template class ResourceHolder<sf::Font>;
template class ResourceHolder<sf::Texture>;
template class ResourceHolder<FontMetrics>;
