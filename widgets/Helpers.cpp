#include "widgets/Helpers.hpp"

#include <cmath>
#include <cstdlib>
#include <sstream>

bool pointInRect(int x, int y, int left, int top, int width, int height)
{
    if (!(left < x && x < left + width))
        return false;
    return top < y && y < top + height;
}

bool chance(int n, bool flag)
{
    if (n == 0)
        return true;
    const int r = std::rand();
    const int d = flag ? n : n + 5;
    return r % d == 0;
}

std::wstring newlinesToSpaces(std::wstring text)
{
    for (auto& c : text)
        if (c == L'\n')
            c = L' ';
    return text;
}

std::uint64_t hashString(const std::wstring& text)
{
    std::uint64_t sum = 0;
    std::uint64_t position = 0;
    auto add = [&](std::uint64_t unit) {
        sum += unit * (1 + 10000 * position);
        ++position;
    };
    for (wchar_t c : text)
    {
        const auto code = static_cast<std::uint32_t>(c);
        if (code > 0xFFFF)
        {
            const std::uint32_t v = code - 0x10000;
            add(0xD800 + (v >> 10));
            add(0xDC00 + (v & 0x3FF));
        }
        else
        {
            add(code);
        }
    }
    return sum;
}

double distance(float x1, float y1, float x2, float y2)
{
    const double dx = static_cast<double>(x1) - x2;
    const double dy = static_cast<double>(y1) - y2;
    return std::sqrt(dx * dx + dy * dy);
}

std::vector<std::wstring> split(const std::wstring& text, wchar_t delimiter)
{
    std::vector<std::wstring> pieces;
    std::wistringstream stream(text);
    std::wstring piece;
    while (std::getline(stream, piece, delimiter))
        pieces.push_back(piece);
    return pieces;
}
