// Opens a 1 GiB file in the hex view, scrolls to its end and pages through
// it, painting every page; prints the times and the peak memory.
#include <windows.h>
#include <psapi.h>

#include <cstdio>

#include "GdiHandles.h"
#include "HexView.h"
#include "TempFolder.h"

namespace {

class NullHost : public IHexHost {
public:
    bool IsReadOnly() const override { return false; }
    void SetTabState(DocumentTabState) override {}
    void SetStatusText(const char*) override {}
};

class CBenchParent : public CMsgWindow {
public:
    TW_BEGIN_MSG_MAP(CBenchParent)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TwHexBenchParent"}; }
};

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * (double)(to.QuadPart - from.QuadPart) / (double)frequency.QuadPart;
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    return now;
}

bool MakeFile(const std::string& path, uint64_t size) {
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER end;
    end.QuadPart = (LONGLONG)size;
    bool made = ::SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(file);
    ::CloseHandle(file);
    return made;
}

}  // namespace

int main() {
    const uint64_t size = 1ull << 30;
    const int pages = 2000;
    TempFolder folder;
    std::string path = folder.File("large.bin");
    if (!MakeFile(path, size)) {
        std::printf("could not make the file\n");
        return 1;
    }
    NullHost host;
    CBenchParent parent;
    RECT frame{0, 0, 900, 700};
    parent.Create(nullptr, &frame, "hex bench", WS_OVERLAPPEDWINDOW);
    CHexView view(host);
    RECT rc{0, 0, 880, 660};
    view.Create(parent, &rc, nullptr, WS_CHILD | WS_VISIBLE);

    LARGE_INTEGER start = Now();
    if (!view.OpenFile(path.c_str())) {
        std::printf("could not open the file\n");
        return 1;
    }
    LARGE_INTEGER opened = Now();
    view.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0));
    LARGE_INTEGER atEnd = Now();

    view.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_TOP, 0));
    const CClientDc screen(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, rc.right, rc.bottom);
    HGDIOBJ old = ::SelectObject(memory, bitmap);
    LARGE_INTEGER pagingStart = Now();
    for (int i = 0; i < pages; ++i) {
        view.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0));
        view.SendMessage(WM_PRINTCLIENT, (WPARAM)memory, PRF_CLIENT);
    }
    LARGE_INTEGER pagingEnd = Now();
    ::SelectObject(memory, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);

    PROCESS_MEMORY_COUNTERS counters{sizeof(counters)};
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof(counters));
    std::printf("open a %llu MiB file: %.2f ms\n", (unsigned long long)(size >> 20), Milliseconds(start, opened));
    std::printf("scroll to its end: %.2f ms\n", Milliseconds(opened, atEnd));
    std::printf("page down and paint: %.3f ms per page over %d pages (%d rows each)\n",
                Milliseconds(pagingStart, pagingEnd) / pages, pages, view.Model().VisibleRows());
    std::printf("peak working set: %.1f MiB, peak private bytes: %.1f MiB\n",
                (double)counters.PeakWorkingSetSize / (1 << 20), (double)counters.PeakPagefileUsage / (1 << 20));
    view.DestroyWindow();
    parent.DestroyWindow();
    return 0;
}
