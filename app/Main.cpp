// The program entry of Tarnwick.exe.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdlib>

#include "Application.h"
#include "Globals.h"
#include "MessageLoop.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_USEREX_CLASSES | ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&controls);
    g_instance = instance;
    g_module.Init(instance);
    g_module.InitControlHosting();
    int exitCode = RunApplication(__argc, __argv);
    g_module.Term();
    ::OleUninitialize();
    return exitCode;
}
