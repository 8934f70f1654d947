#pragma once
// What one run of the updater knows: where it lives, what it updates, how it
// was started, the versions and the server's reply, and what the dialog and
// its worker share.
#include <windows.h>

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
};

}  // namespace vantrel
