// Sorting the lines of a text file in place (export 7).
#include "dovari.h"

#include "handles.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace dovari {
namespace {

// Splits at line feeds; a last line without one still counts. The table is
// sized from the mapping itself, so long lines and 0x1A bytes count right.
std::vector<std::string_view> SplitLines(const char* text, size_t size)
{
    size_t feeds = std::count(text, text + size, '\n');
    bool openLast = size > 0 && text[size - 1] != '\n';
    std::vector<std::string_view> lines;
    lines.reserve(feeds + (openLast ? 1 : 0));
    const char* start = text;
    const char* end = text + size;
    while (start < end) {
        const char* feed = std::find(start, end, '\n');
        lines.emplace_back(start, static_cast<size_t>(feed - start));
        start = feed == end ? end : feed + 1;
    }
    return lines;
}

// Unsigned byte order, a line that is a prefix of another first.
bool LineBefore(std::string_view a, std::string_view b)
{
    auto ua = reinterpret_cast<const unsigned char*>(a.data());
    auto ub = reinterpret_cast<const unsigned char*>(b.data());
    return std::lexicographical_compare(ua, ua + a.size(), ub, ub + b.size());
}

} // namespace
} // namespace dovari

using namespace dovari;

extern "C" int SortFileLines(const char* path)
{
    if (path == nullptr)
        return 0;
    std::printf("%s\n", path);

    UniqueHandle file(CreateFileA(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file)
        return 0;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart == 0 || size.QuadPart > 0x7FFFFFFF)
        return 0;
    UniqueHandle mapping(CreateFileMappingA(file.get(), nullptr, PAGE_READWRITE, 0, 0, nullptr));
    if (!mapping)
        return 0;
    UniqueView view(MapViewOfFile(mapping.get(), FILE_MAP_WRITE, 0, 0, 0));
    if (!view)
        return 0;

    char* text = static_cast<char*>(view.get());
    const size_t bytes = static_cast<size_t>(size.QuadPart);
    std::vector<std::string_view> lines = SplitLines(text, bytes);
    // Stable, so equal lines keep their order.
    std::stable_sort(lines.begin(), lines.end(), LineBefore);

    // Each line is followed by a line feed; the file keeps its length, so a
    // last feed past the end (the file had none) is dropped.
    std::string out;
    out.reserve(bytes + 1);
    for (std::string_view line : lines) {
        out.append(line);
        out += '\n';
    }
    std::copy_n(out.data(), bytes, text);
    return static_cast<int>(lines.size());
}
