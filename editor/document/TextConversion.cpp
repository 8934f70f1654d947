#include "TextConversion.h"

#include <windows.h>

#include "Utf8.h"

namespace {

std::wstring Utf8ToWide(const std::string& text) {
    std::wstring wide;
    wide.reserve(text.size());
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    for (size_t i = 0; i < text.size();) {
        const Utf8Sequence s = DecodeUtf8(bytes + i, text.size() - i);
        if (s.codePoint >= 0x10000) {
            wide += static_cast<wchar_t>(0xD800 + ((s.codePoint - 0x10000) >> 10));
            wide += static_cast<wchar_t>(0xDC00 + ((s.codePoint - 0x10000) & 0x3FF));
        } else {
            wide += static_cast<wchar_t>(s.codePoint);
        }
        i += s.length;
    }
    return wide;
}

}  // namespace

std::string AnsiToUtf8(const std::string& text, unsigned codePage, bool* lost) {
    if (lost) *lost = false;
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    int units = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, text.data(), length, nullptr, 0);
    DWORD flags = MB_ERR_INVALID_CHARS;
    if (units == 0) {
        if (lost) *lost = true;
        flags = 0;
        units = ::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    }
    std::wstring wide(static_cast<size_t>(units), L'\0');
    ::MultiByteToWideChar(codePage, flags, text.data(), length, wide.data(), units);

    std::string utf8(wide.size() * 3, '\0');
    const int bytes =
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.resize(static_cast<size_t>(bytes));
    return utf8;
}

std::string Utf8ToAnsi(const std::string& text, unsigned codePage, bool* lost) {
    if (lost) *lost = false;
    if (text.empty()) return std::string();
    const std::wstring wide = Utf8ToWide(text);
    const int units = static_cast<int>(wide.size());
    // No best-fit: "é" silently turned into "e" would be a loss unreported.
    BOOL usedDefault = FALSE;
    const int length =
        ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), units, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide.data(), units, ansi.data(), length, nullptr,
                          &usedDefault);
    if (lost) *lost = usedDefault != FALSE;
    return ansi;
}

std::string ConvertLineEnds(const std::string& text, EolCode eolMode) {
    const char* eol = eolMode == kEolCr ? "\r" : eolMode == kEolLf ? "\n" : "\r\n";
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += eol;
        } else {
            out += c;
        }
    }
    return out;
}
