#pragma once
// The single-instance guard: a named mutex whose existence tells a later
// start that the editor runs, and the registered message through which the
// later start hands over its command line.
#include <windows.h>

#include <string>
#include <vector>

#include "UniqueHandle.h"

// wParam codes of the instance message.
enum InstanceCommand : WPARAM {
    kInstanceActivate = 0,
    kInstanceOpenFiles = 1,
    kInstanceCloseForUpdate = 2,
};

class CInstanceGuard {
public:
    explicit CInstanceGuard(const char* name);
    ~CInstanceGuard() { Close(); }
    CInstanceGuard(const CInstanceGuard&) = delete;
    CInstanceGuard& operator=(const CInstanceGuard&) = delete;

    void Close();
    bool AlreadyRunning() const { return m_alreadyRunning; }
    UINT Message() const { return m_message; }

    // Asks the running editor to come to the front.
    void BroadcastActivate() const;
    static bool MapSharedBlock(char** view, HANDLE* mapping, DWORD size);
    static void UnmapSharedBlock(char* view, HANDLE mapping);
    // The second instance's side: hands the file arguments to the first.
    // Answers the absolute paths that did not reach it (no editor answered,
    // or a path fits no block), for this process to open itself.
    std::vector<std::string> ForwardCommandLine(int argc, char** argv) const;
    // The first instance's side: the paths of the shared block.
    bool ReadForwardedFiles(std::vector<std::string>& files, size_t length) const;

private:
    // Sends to the editor main windows in turn and stops at the first that
    // answers; false when none answered, even after waiting for a busy one.
    bool SendToRunningEditor(WPARAM command, LPARAM length) const;

    UniqueHandle m_mutex;
    bool m_alreadyRunning = false;
    UINT m_message = 0;
};

// The window class of the editor's main frame, through which a second
// instance finds the running one.
extern const char kMainFrameClassName[];
