#include "widgets/Common.hpp"

#include "widgets/ResourceHolder.hpp"

sf::Sound createSound(int id)
{
    sf::Sound sound;
    sound.setBuffer(SoundBufferHolder::getInstance()->get(id));
    return sound;
}
