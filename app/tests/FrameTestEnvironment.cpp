#include "FrameTestEnvironment.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include "AppSettings.h"
#include "EncodingFileDialog.h"
#include "Globals.h"
#include "ProgramGlobals.h"
#include "SymbolPane.h"

void FrameTestEnvironment::SetUp() {
    ::OleInitialize(nullptr);
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_USEREX_CLASSES | ICC_COOL_CLASSES};
    ::InitCommonControlsEx(&controls);
    registry = std::make_unique<ScratchRegistry>();
    g_instance = ::GetModuleHandleA(nullptr);
    g_module.Init(g_instance);
    folder = std::make_unique<TempFolder>();
    g_appSettings = new CAppSettings(folder->Path().c_str());
    InitGlobals();
    g_module.AddMessageLoop(&loop);
    // ID_FILE_OPEN would wait for the user in the open dialog.
    SetFileDialogRunner([](OPENFILENAMEA*) -> BOOL { return FALSE; });
}

void FrameTestEnvironment::TearDown() {
    SetFileDialogRunner(nullptr);
    g_module.RemoveMessageLoop();
    delete g_appSettings;
    g_appSettings = nullptr;
    folder.reset();
    registry.reset();
    ::OleUninitialize();
}

bool WaitForCtags(const CMainFrame& frame) {
    const CSymbolPane* symbols = frame.GetSymbolPane();
    return PumpMessagesUntil([&] { return !symbols || !symbols->RunsCtags(); }, 15000);
}

void RealFrameTest::SetUp() {
    m_frame = std::make_unique<CMainFrame>();
    ASSERT_TRUE(m_frame->CreateMainWindow());
    g_mainFrame = m_frame.get();
    PumpFrameMessages();
}

void RealFrameTest::TearDown() {
    if (m_frame && m_frame->IsWindow()) {
        m_frame->CloseAllDocuments(true);
        m_frame->DestroyWindow();
    }
    PumpFrameMessages();
    g_mainFrame = nullptr;
    m_frame.reset();
}
