// The stroke-text reader on any text (bytes taken as UTF-8).

#include "FuzzSupport.hpp"

#include "study/TeachingTextReaders.hpp"
#include "widgets/Helpers.hpp"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto records = readStrokeRecords(fuzz::decodeUtf8(data, size));
    for (const StrokeRecord& record : records)
    {
        fuzz::require(record.character != L"#", "the end mark is no kanji");
        hashString(record.character);
        for (const sf::VertexArray& stroke : record.strokes)
        {
            fuzz::require(stroke.getVertexCount() > 0, "no stroke is empty");
            for (std::size_t i = 0; i < stroke.getVertexCount(); ++i)
            {
                const sf::Vector2f point = stroke[i].position;
                fuzz::require(std::isfinite(point.x) && std::isfinite(point.y) && point.x == std::trunc(point.x) &&
                                  point.y == std::trunc(point.y),
                              "points are whole numbers");
            }
        }
    }
    return 0;
}
