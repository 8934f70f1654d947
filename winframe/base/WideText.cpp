#include "WideText.h"

std::wstring ToWide(std::string_view text, UINT codePage) {
    if (text.empty()) return {};
    const int units = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(units > 0 ? units : 0), L'\0');
    if (units > 0) ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), units);
    return wide;
}

std::string ToAnsi(std::wstring_view wide, UINT codePage) {
    if (wide.empty()) return {};
    const int bytes =
        ::WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0)
        ::WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), text.data(), bytes, nullptr,
                              nullptr);
    return text;
}
