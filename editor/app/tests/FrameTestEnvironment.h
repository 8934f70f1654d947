#pragma once
// What a test program needs before it can make a real main frame: OLE, the
// common controls, the module and its message loop, the settings over a
// temporary program folder, HKEY_CURRENT_USER in a scratch key and the
// process-wide globals. The open dialog is
// answered with Cancel so that no test waits for a user.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "MessageLoop.h"
#include "ScratchRegistry.h"
#include "TempFolder.h"

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
void PumpFrameMessages();

// Message boxes answered with OK while an object lives; their texts are kept.
class RecordedMessageBoxes {
public:
    RecordedMessageBoxes();
    ~RecordedMessageBoxes();
    RecordedMessageBoxes(const RecordedMessageBoxes&) = delete;
    RecordedMessageBoxes& operator=(const RecordedMessageBoxes&) = delete;
    std::vector<std::string>& Texts() const;
};
