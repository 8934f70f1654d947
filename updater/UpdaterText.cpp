#include "UpdaterText.h"

#include <cstdio>

#include "UpdaterLogic.h"
#include "resource.h"

namespace vantrel {

namespace {
constexpr size_t kBoxText = 512;
}

std::string LoadUpdaterString(HINSTANCE instance, UINT id) {
    // The table's longest text is far below this.
    char buffer[1024];
    const int copied = ::LoadStringA(instance, id, buffer, sizeof buffer);
    return copied > 0 ? std::string(buffer, copied) : std::string();
}

std::string FormatUpdaterString(HINSTANCE instance, UINT id, const char* text, int number) {
    const std::string format = LoadUpdaterString(instance, id);
    char out[kBoxText + 1];
    std::snprintf(out, sizeof out, format.c_str(), text ? text : "", number);
    return out;
}

std::string FormatUpdaterString(HINSTANCE instance, UINT id, const std::vector<std::string>& texts) {
    return FillTexts(LoadUpdaterString(instance, id), texts).substr(0, kBoxText);
}

std::string SystemErrorText(DWORD error) {
    char* text = nullptr;
    // The network library keeps its own texts; the system's come after.
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_FROM_HMODULE |
            FORMAT_MESSAGE_IGNORE_INSERTS,
        ::GetModuleHandleA("wininet.dll"), error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string out = length && text ? std::string(text, length) : std::string();
    if (text) ::LocalFree(text);
    while (!out.empty() && (out.back() == '\r' || out.back() == '\n' || out.back() == ' ' || out.back() == '.'))
        out.pop_back();
    if (out.empty()) {
        char number[48];
        std::snprintf(number, sizeof number, "system error %lu", static_cast<unsigned long>(error));
        out = number;
    }
    return out;
}

int ShowUpdaterText(HINSTANCE instance, HWND owner, const std::string& text, UINT flags) {
    const std::string caption = LoadUpdaterString(instance, IDS_UPDATE_CAPTION).substr(0, 63);
    return ::MessageBoxA(owner, text.substr(0, kBoxText).c_str(), caption.c_str(), flags);
}

int ShowUpdaterBox(HINSTANCE instance, HWND owner, UINT id, UINT flags, const char* text) {
    return ShowUpdaterText(instance, owner, FormatUpdaterString(instance, id, text), flags);
}

}  // namespace vantrel
