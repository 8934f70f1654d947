// The program a test package marks to run: it writes "marker.txt" beside
// itself, saying whether the fake editor had already gone when it ran.
#include <windows.h>

#include <fstream>
#include <string>

int main() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    folder = folder.substr(0, folder.rfind('\\'));
    const bool gone = ::GetFileAttributesA((folder + "\\gone.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
    std::ofstream(folder + "\\marker.txt") << (gone ? "after the editor" : "editor still running");
    return 0;
}
