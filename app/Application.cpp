#include "Application.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "AppSettings.h"
#include "Globals.h"
#include "InstanceGuard.h"
#include "MainFrame.h"
#include "MessageLoop.h"
#include "ProgramGlobals.h"
#include "resource.h"
#include "ResourceText.h"
#include "StartFiles.h"
#include "UiSeams.h"

namespace {

const char kInstanceName[] = "Tarnwick";

void ReportFatal(UINT textId) { ShowMessage(nullptr, LoadText(textId), MB_OK | MB_ICONERROR); }

}  // namespace

int RunApplication(int argc, char** argv) {
    g_appSettings = new CAppSettings();
    if (!g_appSettings->IsValid()) {
        ReportFatal(IDS_PROGRAM_PATH_TOO_LONG);
        delete g_appSettings;
        g_appSettings = nullptr;
        return 1;
    }

    CInstanceGuard guard(kInstanceName);
    g_instanceGuard = &guard;
    std::vector<std::string> startFiles;
    if (!(g_appSettings->EditorMask & kMaskMultipleInstances) && guard.AlreadyRunning()) {
        // A second instance hands over and never writes the ini; the names
        // that reached no window it opens itself, as a full instance.
        startFiles = guard.ForwardCommandLine(argc, argv);
        if (startFiles.empty()) {
            guard.Close();
            delete g_appSettings;
            g_appSettings = nullptr;
            return 0;
        }
    } else {
        for (int i = 1; i < argc; ++i) startFiles.push_back(FullStartPath(argv[i]));
    }
    SetStartFiles(std::move(startFiles));

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
