#include "UiSeams.h"

#include <shellapi.h>

#include "ResourceText.h"
#include "resource.h"

namespace {

MessageBoxHook s_messageBox = nullptr;
ShellOpenHook s_shellOpen = nullptr;

}  // namespace

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT flags) {
    if (s_messageBox) return s_messageBox(owner, text, caption, flags);
    return ::MessageBoxA(owner, text, caption, flags);
}

int ShowMessage(HWND owner, const std::string& text, UINT flags, const char* caption) {
    if (caption) return ShowMessageBox(owner, text.c_str(), caption, flags);
    std::string product = LoadText(IDS_PRODUCT_NAME);
    if (product.empty()) product = "Tarnwick";
    return ShowMessageBox(owner, text.c_str(), product.c_str(), flags);
}

void ShellOpen(HWND owner, const char* target, int showCommand) {
    if (s_shellOpen) {
        s_shellOpen(owner, target, showCommand);
        return;
    }
    ::ShellExecuteA(owner, "open", target, nullptr, nullptr, showCommand);
}

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
    MessageBoxHook previous = s_messageBox;
    s_messageBox = hook;
    return previous;
}

ShellOpenHook SetShellOpenHook(ShellOpenHook hook) {
    ShellOpenHook previous = s_shellOpen;
    s_shellOpen = hook;
    return previous;
}
