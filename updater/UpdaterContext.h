#pragma once
// What one run of the updater knows: where it lives, what it updates, how it
// was started, the versions and the server's reply, and what the dialog and
// its worker share.
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "UpdaterLogic.h"

namespace vantrel {

struct UpdaterContext {
    HINSTANCE instance = nullptr;
    std::string folder;    // the updater's own folder, without a final '\'
    std::string fileName;  // "FileName": the program that is updated
    int productId = 0;     // "ID"
    UpdaterSwitches switches;
    Version installed;
    Version package;
    ServerReply reply;
    std::vector<std::string> mirrors;
    // Set by the dialog: the owner of later message boxes.
    HWND dialog = nullptr;
    // The first cabinet entry marked to run, once one is found.
    std::string runPath;
    // Set the moment the start button is pressed, cleared when the user may
    // try again: one worker at a time.
    std::atomic<bool> working{false};
    // The update has come to its end (installed or not): the dialog shows
    // the result and closes without asking.
    std::atomic<bool> finished{false};
};

}  // namespace vantrel
