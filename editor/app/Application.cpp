#include "Application.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdlib>

#include "AppSettings.h"
#include "Globals.h"
#include "InstanceGuard.h"
#include "MainFrame.h"
#include "MessageLoop.h"
#include "ProgramGlobals.h"
#include "resource.h"
#include "ResourceText.h"
#include "UiSeams.h"

namespace {

int s_argc = 0;
char** s_argv = nullptr;

const char kInstanceName[] = "Tarnwick";

void ReportFatal(UINT textId) { ShowMessage(nullptr, LoadText(textId), MB_OK | MB_ICONERROR); }

}  // namespace

int ProgramArgc() { return s_argc; }
char** ProgramArgv() { return s_argv; }

int RunApplication(int argc, char** argv) {
    s_argc = argc;
    s_argv = argv;
    g_appSettings = new CAppSettings();
    if (!g_appSettings->IsValid()) {
        ReportFatal(IDS_PROGRAM_PATH_TOO_LONG);
        delete g_appSettings;
        g_appSettings = nullptr;
        return 1;
    }

    CInstanceGuard guard(kInstanceName);
    g_instanceGuard = &guard;
    if (!(g_appSettings->EditorMask & kMaskMultipleInstances) && guard.AlreadyRunning()) {
        // A second instance hands over and never writes the ini.
        guard.ForwardCommandLine(argc, argv);
        guard.Close();
        delete g_appSettings;
        g_appSettings = nullptr;
        return 0;
    }

    InitGlobals();
    CMessageLoop loop;
    g_module.AddMessageLoop(&loop);
    int exitCode = 0;
    {
        CMainFrame frame;
        g_mainFrame = &frame;
        if (frame.CreateMainWindow()) {
            exitCode = loop.Run();
            FreeGlobals();
        }
        g_module.RemoveMessageLoop();
    }
    g_mainFrame = nullptr;
    guard.Close();
    return exitCode;
}
