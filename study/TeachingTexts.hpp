#pragma once
// The teaching material compiled into the program: per grade (5 down to 1)
// the kanji text, the word text and the stroke text. Only grade 5 carries
// material; the other grades hold the end mark "#" alone.

#include <map>
#include <string>

extern std::map<int, std::wstring> kanjiTexts;
extern std::map<int, std::wstring> wordTexts;
extern std::map<int, std::wstring> strokeTexts;
