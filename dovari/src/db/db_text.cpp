#include "db/db_text.h"

#include <windows.h>

#include <cstring>
#include <cwctype>

namespace dovari::db {

namespace {

std::wstring WideFrom(UINT codePage, std::string_view text)
{
    if (text.empty())
        return {};
    const int length = static_cast<int>(text.size());
    const int units = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    std::wstring wide(units > 0 ? units : 0, L'\0');
    if (units > 0)
        MultiByteToWideChar(codePage, 0, text.data(), length, wide.data(), units);
    return wide;
}

std::string NarrowFrom(UINT codePage, std::wstring_view wide)
{
    if (wide.empty())
        return {};
    const int units = static_cast<int>(wide.size());
    const int bytes = WideCharToMultiByte(codePage, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
    std::string text(bytes > 0 ? bytes : 0, '\0');
    if (bytes > 0)
        WideCharToMultiByte(codePage, 0, wide.data(), units, text.data(), bytes, nullptr, nullptr);
    return text;
}

} // namespace

std::wstring WideFromAnsi(std::string_view ansi)
{
    return WideFrom(CP_ACP, ansi);
}

std::string AnsiFromWide(std::wstring_view wide)
{
    return NarrowFrom(CP_ACP, wide);
}

std::string Utf8FromWide(std::wstring_view wide)
{
    return NarrowFrom(CP_UTF8, wide);
}

bool SameIgnoringCase(std::wstring_view a, std::wstring_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i]))
            return false;
    return true;
}

size_t BoundaryBefore(std::string_view text, size_t limit)
{
    if (text.size() <= limit)
        return text.size();
    size_t at = 0;
    while (at < limit) {
        const bool lead = IsDBCSLeadByte(static_cast<BYTE>(text[at])) && at + 1 < text.size();
        const size_t step = lead ? 2 : 1;
        if (at + step > limit)
            break;
        at += step;
    }
    return at;
}

int CopyCut(std::string_view text, char* buffer, int size)
{
    if (buffer == nullptr || size < 1)
        return 0;
    const size_t count = BoundaryBefore(text, static_cast<size_t>(size) - 1);
    std::memcpy(buffer, text.data(), count);
    buffer[count] = '\0';
    return static_cast<int>(count);
}

} // namespace dovari::db
