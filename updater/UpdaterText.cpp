#include "UpdaterText.h"

#include <cstdio>

#include "resource.h"

namespace vantrel {

std::string LoadUpdaterString(HINSTANCE instance, UINT id) {
    // The table's longest text is far below this.
    char buffer[1024];
    const int copied = ::LoadStringA(instance, id, buffer, sizeof buffer);
    return copied > 0 ? std::string(buffer, copied) : std::string();
}

std::string FormatUpdaterString(HINSTANCE instance, UINT id, const char* text, int number) {
    const std::string format = LoadUpdaterString(instance, id);
    char out[513];
    std::snprintf(out, sizeof out, format.c_str(), text ? text : "", number);
    return out;
}

int ShowUpdaterBox(HINSTANCE instance, HWND owner, UINT id, UINT flags, const char* text) {
    const std::string caption = LoadUpdaterString(instance, IDS_UPDATE_CAPTION).substr(0, 63);
    const std::string message = FormatUpdaterString(instance, id, text);
    return ::MessageBoxA(owner, message.c_str(), caption.c_str(), flags);
}

}  // namespace vantrel
