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
