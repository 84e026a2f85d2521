#pragma once
// The per-grade key lists (new, learning, mastered) that the kanji and word
// stores keep alike, and the list work their loading, builders and scoring
// share.

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

using KeyList = std::vector<std::uint64_t>;
using KeyLists = std::map<int, KeyList>;

// Moves the first occurrence of key to the end of `to`; false when `from` lacks it.
bool moveKey(KeyList& from, KeyList& to, std::uint64_t key);

// At load: a finished item leaves the new list for the mastered one, a
// started one for the learning one. A key not in the new list stays put.
void placeLoadedKey(bool finished, bool started, KeyList& fresh, KeyList& learning, KeyList& mastered,
                    std::uint64_t key);

// After a score change: a finished item moves from learning to mastered, an
// unfinished one back. The new list is never touched.
void settleKey(bool finished, KeyList& learning, KeyList& mastered, std::uint64_t key);

// The number of keys of a grade, 0 for a grade without a list.
std::size_t keyCount(const KeyLists& lists, int grade);

// A position drawn with rand(), taken as unsigned; size must not be 0.
std::size_t randomIndex(std::size_t size);

// Where wrong answers come from: the largest list, ties going to the new
// list first and then to the learning list.
const KeyList& largestList(const KeyList& fresh, const KeyList& learning, const KeyList& mastered);

// Adds the texts of the source's items to the options, walking on from a
// random start, until `wanted` are held; texts already held are passed over.
// The start is drawn for every question. One pass at most: a small grade may
// not hold enough distinct texts.
void addWrongOptions(std::set<std::wstring>& options, std::size_t wanted, const KeyList& source,
                     const std::function<std::set<std::wstring>(std::uint64_t)>& textsOf);

// A random grade 1 to 5, then upward with wrap-around to the first whose
// mastered list is not empty; 0 when none has a mastered item.
int reviewGrade(const KeyLists& mastered);
