#include "ResourceText.h"

#include "Globals.h"

namespace {

HINSTANCE TextModule() { return g_instance ? g_instance : ::GetModuleHandleA(nullptr); }

}  // namespace

std::wstring LoadWideText(UINT id) {
    // Asked for no buffer, LoadString answers the string inside the resource.
    const wchar_t* text = nullptr;
    const int length = ::LoadStringW(TextModule(), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

std::string LoadText(UINT id) { return ToAnsi(LoadWideText(id)); }

std::string FillText(std::string_view format, std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(format.size());
    auto next = values.begin();
    for (size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c == '%' && i + 1 < format.size()) {
            const char kind = format[i + 1];
            if (kind == '%') {
                text += '%';
                ++i;
                continue;
            }
            if ((kind == 's' || kind == 'd') && next != values.end()) {
                text += *next++;
                ++i;
                continue;
            }
        }
        text += c;
    }
    return text;
}

std::string FormatText(UINT id, std::initializer_list<std::string_view> values) {
    return FillText(LoadText(id), values);
}

std::string SystemErrorText(DWORD error) {
    char* text = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
        MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0, nullptr);
    std::string result = length && text ? std::string(text, length) : std::string();
    if (text) ::LocalFree(text);
    return result;
}

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
