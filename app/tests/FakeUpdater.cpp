// Stands in for the updater in the editor's tests: it writes its command
// line to "updater_command.txt" beside itself, then stays running until the
// test sets the event "TarnwickFakeUpdaterRelease" (at most 30 s), holding
// the mutex "TarnwickFakeUpdaterRunning" meanwhile, so a test can tell that
// the editor did not wait for it. Without the event it ends at once.
#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    HANDLE release = ::OpenEventA(SYNCHRONIZE, FALSE, "TarnwickFakeUpdaterRelease");
    HANDLE running = release ? ::CreateMutexA(nullptr, TRUE, "TarnwickFakeUpdaterRunning") : nullptr;
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    folder = folder.substr(0, folder.rfind('\\'));
    // Written aside and moved in place, so the test never reads half of it.
    const std::string record = folder + "\\updater_command.txt";
    const std::string partial = record + ".part";
    std::ofstream(partial, std::ios::binary) << ::GetCommandLineA();
    ::MoveFileExA(partial.c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING);
    if (release) {
        ::WaitForSingleObject(release, 30000);
        ::CloseHandle(running);
        ::CloseHandle(release);
    }
    return 0;
}
