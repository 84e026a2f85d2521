#pragma once
// Small stateless helpers shared by the widgets and the study engine.

#include <cstdint>
#include <string>
#include <vector>

// True when left < x < left + width and top < y < top + height: edges are outside.
bool pointInRect(int x, int y, int left, int top, int width, int height);

// True about once in n calls (flag true) or once in n + 5 (flag false);
// always true for n == 0, without drawing a random number.
bool chance(int n, bool flag);

std::wstring newlinesToSpaces(std::wstring text);

// Sum of c[i] * (1 + 10000 * i) over the text's UTF-16 code units, modulo
// 2^64. Characters beyond the BMP count as their two surrogates, so keys
// match files written where wchar_t is 16 bits.
std::uint64_t hashString(const std::wstring& text);

double distance(float x1, float y1, float x2, float y2);

// Pieces between delimiters; no empty piece after a trailing delimiter.
std::vector<std::wstring> split(const std::wstring& text, wchar_t delimiter);
