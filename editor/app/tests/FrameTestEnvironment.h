#pragma once
// What a test program needs before it can make a real main frame: OLE, the
// common controls, the module and its message loop, the settings over a
// temporary program folder and the process-wide globals. The open dialog is
// answered with Cancel so that no test waits for a user.
#include <gtest/gtest.h>

#include <memory>

#include "MessageLoop.h"
#include "TempFolder.h"

struct FrameTestEnvironment : ::testing::Environment {
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<TempFolder> folder;  // the program folder
    CMessageLoop loop;
};
