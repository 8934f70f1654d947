// The result pane as a real window: its list, the width it scrolls to,
// picking a line with Enter or a double click, its colours, and lines sent
// from another thread.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "AppSettings.h"
#include "FindResultsPane.h"
#include "MessagePump.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "TempFolder.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

struct RecordingOpener : IResultFileOpener {
    std::vector<std::string> opened;
    std::string status;
    CEditorView* OpenResultFile(const char* path) override {
        opened.push_back(path);
        return nullptr;
    }
    void SetStatusMessage(const char* text) override { status = text; }
};

class PaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_host = ::CreateWindowExA(0, "STATIC", "host", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        for (int i = 0; i < 2; ++i) {
            m_panes[i] = std::make_unique<CFindResultsPane>(
                i + 1, m_opener, ResultPaneLookOf(*g_appSettings, i + 1, g_outputFont, g_screenDC));
            RECT r{100, 100, 500, 300};
            // Hidden: a window on the screen would be in the way of the tests that drag.
            ASSERT_TRUE(m_panes[i]->Create(m_host, r, i ? "查找结果2" : "查找结果1", kDefaultPaneStyle & ~WS_VISIBLE));
        }
        PumpMessages();
    }
    void TearDown() override {
        for (auto& pane : m_panes) pane.reset();
        ::DestroyWindow(m_host);
    }
    CFindResultsPane& Pane() { return *m_panes[0]; }
    int Count() { return static_cast<int>(::SendMessageA(Pane().List(), LB_GETCOUNT, 0, 0)); }
    int Extent() { return static_cast<int>(::SendMessageA(Pane().List(), LB_GETHORIZONTALEXTENT, 0, 0)); }
    std::string Item(int i) {
        char text[600] = {};
        ::SendMessageA(Pane().List(), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        return text;
    }
    void Select(int i) { ::SendMessageA(Pane().List(), LB_SETCURSEL, i, 0); }
    void PressEnter() { ::SendMessageA(Pane().List(), WM_KEYDOWN, VK_RETURN, 0); }

    HWND m_host = nullptr;
    RecordingOpener m_opener;
    std::unique_ptr<CFindResultsPane> m_panes[2];
    TempFolder m_files;
};

TEST_F(PaneTest, TheListFillsThePaneAndScrollsToTheWidestLine) {
    RECT client{}, list{};
    ::GetClientRect(Pane().m_hWnd, &client);
    ::GetWindowRect(Pane().List(), &list);
    EXPECT_EQ(list.right - list.left, client.right);
    EXPECT_EQ(list.bottom - list.top, client.bottom);

    Pane().AddText("short");
    const int first = Extent();
    EXPECT_GT(first, 0);
    Pane().AddResultLine("C:\\a much longer path\\file.c", 12, "and its line");
    const int wider = Extent();
    EXPECT_GT(wider, first);
    Pane().AddText("x");
    EXPECT_EQ(Extent(), wider) << "a narrower line keeps the extent";
    EXPECT_EQ(Item(1), "C:\\a much longer path\\file.c(12): and its line");
    Pane().Clear();
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(Extent(), 0);
    Pane().AddText("short");
    EXPECT_EQ(Extent(), first) << "measured from 0 again";
}

TEST_F(PaneTest, EnterAndDoubleClickOpenOnlyLinesThatNameAFile) {
    m_files.Write("here.c", "x");
    const std::string here = m_files.File("here.c"), missing = m_files.File("gone.c");
    Pane().AddResultLine(here.c_str(), 3, "x");
    Pane().AddText("查找完成，共找到'x' 1 次，在1个文件中。所用时间：0.001 秒。");
    Pane().AddResultLine(missing.c_str(), 1, "y");

    EXPECT_EQ(::SendMessageA(Pane().m_hWnd, WM_VKEYTOITEM, MAKEWPARAM(VK_RETURN, 0),
                             reinterpret_cast<LPARAM>(Pane().List())), -2);
    EXPECT_EQ(::SendMessageA(Pane().m_hWnd, WM_VKEYTOITEM, MAKEWPARAM(VK_DOWN, 0),
                             reinterpret_cast<LPARAM>(Pane().List())), -1);
    EXPECT_TRUE(m_opener.opened.empty()) << "Enter without a selection";
    Select(1);
    PressEnter();
    EXPECT_TRUE(m_opener.opened.empty()) << "Enter on the summary";
    EXPECT_TRUE(m_opener.status.empty());
    Select(0);
    PressEnter();
    EXPECT_EQ(m_opener.opened, std::vector<std::string>{here});
    Select(2);
    PressEnter();
    EXPECT_EQ(m_opener.status, "Could not locate file " + missing + ".");

    m_opener.opened.clear();
    RECT item{};
    ::SendMessageA(Pane().List(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    ::SendMessageA(Pane().List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(Pane().List(), WM_LBUTTONUP, 0, at);
    ::SendMessageA(Pane().List(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    ::SendMessageA(Pane().List(), WM_LBUTTONUP, 0, at);
    PumpMessages();
    EXPECT_EQ(m_opener.opened, std::vector<std::string>{here});
}

TEST_F(PaneTest, EachPaneTakesItsOwnColours) {
    g_appSettings->Find1Fore = RGB(200, 0, 0);
    g_appSettings->Find1Back = RGB(0, 0, 100);
    g_appSettings->Find2Fore = RGB(0, 200, 0);
    g_appSettings->Find2Back = RGB(0, 100, 0);
    g_appSettings->CreatePaneBrushes(true);
    const struct {
        int pane;
        COLORREF fore;
        HBRUSH brush;
    } cases[] = {{0, RGB(200, 0, 0), g_appSettings->find1Brush}, {1, RGB(0, 200, 0), g_appSettings->find2Brush}};
    for (const auto& c : cases) {
        const HDC dc = ::CreateCompatibleDC(nullptr);
        const LRESULT brush = ::SendMessageA(m_panes[c.pane]->m_hWnd, WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                                             reinterpret_cast<LPARAM>(m_panes[c.pane]->List()));
        EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), c.brush) << c.pane;
        EXPECT_EQ(::GetTextColor(dc), c.fore) << c.pane;
        EXPECT_EQ(::GetBkMode(dc), TRANSPARENT) << c.pane;
        ::DeleteDC(dc);
    }
}

DWORD WINAPI AddManyLines(void* pane) {
    CPaneResultSink sink(static_cast<HWND>(pane));
    for (int i = 0; i < 2000; ++i) sink.AddResultLine("C:\\f.c", i, "line");
    return 0;
}

TEST_F(PaneTest, LinesSentFromAnotherThreadArriveInOrder) {
    HANDLE thread = ::CreateThread(nullptr, 0, AddManyLines, Pane().m_hWnd, 0, nullptr);
    ASSERT_TRUE(thread);
    // The user-interface thread goes on taking every message meanwhile.
    while (::MsgWaitForMultipleObjects(1, &thread, FALSE, 10000, QS_ALLINPUT) == WAIT_OBJECT_0 + 1) PumpMessages();
    EXPECT_EQ(::WaitForSingleObject(thread, 0), WAIT_OBJECT_0) << "no deadlock";
    ::CloseHandle(thread);
    ASSERT_EQ(Count(), 2000);
    for (int i : {0, 1, 999, 1999}) EXPECT_EQ(Item(i), "C:\\f.c(" + std::to_string(i) + "): line");
}

}  // namespace
