#pragma once
// Process-wide holders of every picture, font and sound buffer, loaded as a
// whole fixed list on first use and never freed, so references stay valid.

#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Texture.hpp>

#include "widgets/FontMetrics.hpp"

#include <map>
#include <memory>
#include <string>

template <typename R>
class ResourceHolder
{
public:
    static ResourceHolder* getInstance();
    // The holder if it has been created, else null; loads nothing.
    static ResourceHolder* existingInstance();

    // Ends the process with a message when id is not held.
    R& get(int id);

    // The id a resource is held under, or -1 for one not held here.
    int find(const R& resource) const;

    // Loads one file under id; a failure ends the process with a message.
    // An id already held keeps its first resource.
    void load(int id, const std::string& path);

private:
    ResourceHolder() = default;

    void loadAll();
    [[noreturn]] static void reportMissing();

    std::map<int, std::unique_ptr<R>> resources;

    // Constant-initialised: the sound holder is first used during static
    // initialisation, before any dynamic initialiser could have run.
    static ResourceHolder* instance;
};

using SoundBufferHolder = ResourceHolder<sf::SoundBuffer>;
using FontHolder = ResourceHolder<sf::Font>;
using TextureHolder = ResourceHolder<sf::Texture>;
// The fonts' files once more, for measuring text (under the font ids).
using FontMetricsHolder = ResourceHolder<FontMetrics>;

extern template class ResourceHolder<sf::SoundBuffer>;
extern template class ResourceHolder<sf::Font>;
extern template class ResourceHolder<sf::Texture>;
extern template class ResourceHolder<FontMetrics>;
