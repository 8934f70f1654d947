// Stands in for a running editor: it holds the single-instance mutex and
// answers the registered message named after its own file, as the editor
// does. On a close request (wParam 2) it writes "closed.txt" beside itself,
// lingers a second with the mutex still held, writes "gone.txt" and ends.
#include <windows.h>

#include <fstream>
#include <string>

namespace {

std::string g_folder;
UINT g_instanceMessage = 0;

void Touch(const char* name) { std::ofstream(g_folder + "\\" + name) << "1"; }

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == g_instanceMessage && wParam == 2) {
        Touch("closed.txt");
        ::DestroyWindow(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string self = path;
    g_folder = self.substr(0, self.rfind('\\'));
    std::string name = self.substr(self.rfind('\\') + 1);
    name = name.substr(0, name.rfind('.'));
    HANDLE mutex = ::CreateMutexA(nullptr, FALSE, name.c_str());
    g_instanceMessage = ::RegisterWindowMessageA(name.c_str());
    WNDCLASSA wc{};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = "UpdaterFakeEditor";
    ::RegisterClassA(&wc);
    ::CreateWindowExA(0, wc.lpszClassName, "fake editor", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                      instance, nullptr);
    Touch("started.txt");
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
    ::Sleep(1000);
    Touch("gone.txt");
    ::CloseHandle(mutex);
    return 0;
}
