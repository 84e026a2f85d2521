#include "study/KeyLists.hpp"

#include <algorithm>
#include <cstdlib>

bool moveKey(KeyList& from, KeyList& to, std::uint64_t key)
{
    const auto found = std::find(from.begin(), from.end(), key);
    if (found == from.end())
        return false;
    from.erase(found);
    to.push_back(key);
    return true;
}

void placeLoadedKey(bool finished, bool started, KeyList& fresh, KeyList& learning, KeyList& mastered,
                    std::uint64_t key)
{
    if (finished)
        moveKey(fresh, mastered, key);
    else if (started)
        moveKey(fresh, learning, key);
}

void settleKey(bool finished, KeyList& learning, KeyList& mastered, std::uint64_t key)
{
    if (finished)
        moveKey(learning, mastered, key);
    else
        moveKey(mastered, learning, key);
}

std::size_t keyCount(const KeyLists& lists, int grade)
{
    const auto found = lists.find(grade);
    return found == lists.end() ? 0 : found->second.size();
}

std::size_t randomIndex(std::size_t size)
{
    return static_cast<unsigned>(std::rand()) % size;
}

const KeyList& largestList(const KeyList& fresh, const KeyList& learning, const KeyList& mastered)
{
    if (fresh.size() >= learning.size() && fresh.size() >= mastered.size())
        return fresh;
    if (learning.size() >= mastered.size())
        return learning;
    return mastered;
}

void addWrongOptions(std::set<std::wstring>& options, std::size_t wanted, const KeyList& source,
                     const std::function<std::set<std::wstring>(std::uint64_t)>& textsOf)
{
    if (source.empty())
        return;
    std::size_t index = randomIndex(source.size());
    for (std::size_t visited = 0; options.size() < wanted && visited < source.size(); ++visited)
    {
        for (const auto& text : textsOf(source[index]))
        {
            if (options.size() >= wanted)
                break;
            options.insert(text);
        }
        index = (index + 1) % source.size();
    }
}

int reviewGrade(const KeyLists& mastered)
{
    const int first = std::rand() % 5 + 1;
    for (int step = 0; step < 5; ++step)
    {
        const int grade = (first - 1 + step) % 5 + 1;
        if (keyCount(mastered, grade) > 0)
            return grade;
    }
    return 0;
}
