// The program a test package marks to run: it writes "marker.txt" beside
// itself, saying whether the editor had already gone when it ran: the fake
// editor leaves "gone.txt"; the real one's single-instance mutex is gone.
#include <windows.h>

#include <fstream>
#include <string>

int main() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    folder = folder.substr(0, folder.rfind('\\'));
    bool gone = ::GetFileAttributesA((folder + "\\gone.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
    if (::GetFileAttributesA((folder + "\\Tarnwick.exe").c_str()) != INVALID_FILE_ATTRIBUTES) {
        HANDLE editor = ::OpenMutexA(SYNCHRONIZE, FALSE, "Tarnwick");
        gone = editor == nullptr;
        if (editor) ::CloseHandle(editor);
    }
    std::ofstream(folder + "\\marker.txt") << (gone ? "after the editor" : "editor still running");
    return 0;
}
