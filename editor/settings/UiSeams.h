#pragma once
// Message boxes and shell opens go through here, so that tests can record
// them instead of blocking on a dialog or starting another program.
#include <windows.h>

#include <string>

using MessageBoxHook = int (*)(HWND owner, const char* text, const char* caption, UINT flags);
using ShellOpenHook = void (*)(HWND owner, const char* target, int showCommand);

int ShowMessageBox(HWND owner, const char* text, const char* caption, UINT flags);
// The editor's message box: captioned with the product name (string
// IDS_PRODUCT_NAME) unless the caller names another caption.
int ShowMessage(HWND owner, const std::string& text, UINT flags, const char* caption = nullptr);
// ShellExecute "open" of a file, web page or mail link.
void ShellOpen(HWND owner, const char* target, int showCommand);

// Null restores the real call; each answers the hook it replaced.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);
ShellOpenHook SetShellOpenHook(ShellOpenHook hook);
