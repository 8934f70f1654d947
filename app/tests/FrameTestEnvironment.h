#pragma once
// What a test program needs before it can make a real main frame: OLE, the
// common controls, the module and its message loop, the settings over a
// temporary program folder, HKEY_CURRENT_USER in a scratch key and the
// process-wide globals. The open dialog is
// answered with Cancel so that no test waits for a user, and the clipboard
// starts empty.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "MainFrame.h"
#include "MessageBoxRecorder.h"
#include "MessageLoop.h"
#include "MessagePump.h"
#include "ScratchRegistry.h"
#include "TempFolder.h"
#include "UiSeams.h"

struct FrameTestEnvironment : ::testing::Environment {
    void SetUp() override;
    void TearDown() override;

    // HKEY_CURRENT_USER for the whole program: recent files and histories
    // of the editor's own use of the prefix stay out of the tests, and back.
    std::unique_ptr<ScratchRegistry> registry;
    std::unique_ptr<TempFolder> folder;  // the program folder
    CMessageLoop loop;
};

// Dispatches what is queued, three rounds with a short sleep between them,
// so that posted follow-ups arrive too.
inline void PumpFrameMessages() { PumpMessages(3, 10); }

// Dispatches until no ctags run of the frame's symbol pane is left: each
// reads its document's file on a worker thread after a load or a save, and
// may hold it open a little after the document has closed. A test that
// takes a file away waits for it first; false when a run outlasts the wait.
bool WaitForCtags(const CMainFrame& frame);

// The program's message boxes answered with OK while it lives, recorded.
struct RecordedMessageBoxes : MessageBoxRecorder {
    RecordedMessageBoxes() : MessageBoxRecorder(SetMessageBoxHook) {}
};

// A real main frame for each test (g_mainFrame points at it while it
// lives), its documents closed and its window destroyed after the test.
class RealFrameTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<CMainFrame> m_frame;
};
