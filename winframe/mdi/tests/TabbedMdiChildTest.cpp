// The document windows' message layer: what it tells the tabbed MDI client.
#include <gtest/gtest.h>

#include "MdiTestFrame.h"

namespace {

class TabbedMdiChildTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(frame.CreateFrame()); }
    CTestMdiFrame frame;
};

TEST_F(TabbedMdiChildTest, MaximizedAndRestoredAreReportedOncePerChange) {
    CTestDocument& doc = frame.Open("a");
    HWND client = frame.Client();
    const struct { const char* step; void (*act)(HWND client, HWND doc); int maximized, restored; } steps[] = {
        {"maximize", [](HWND c, HWND d) { ::SendMessageA(c, WM_MDIMAXIMIZE, (WPARAM)d, 0); }, 1, 0},
        {"maximized again", [](HWND, HWND d) { ::SendMessageA(d, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(300, 200)); }, 1, 0},
        {"restore", [](HWND c, HWND d) { ::SendMessageA(c, WM_MDIRESTORE, (WPARAM)d, 0); }, 1, 1},
        {"restored again", [](HWND, HWND d) { ::SendMessageA(d, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200)); }, 1, 1},
        {"maximize", [](HWND c, HWND d) { ::SendMessageA(c, WM_MDIMAXIMIZE, (WPARAM)d, 0); }, 2, 1},
        {"minimize", [](HWND, HWND d) { ::ShowWindow(d, SW_MINIMIZE); }, 2, 2},
    };
    for (const auto& s : steps) {
        s.act(client, doc);
        EXPECT_EQ(frame.CountAt(WM_MDI_MAXIMIZED), s.maximized) << s.step;
        EXPECT_EQ(frame.CountAt(WM_MDI_RESTORED), s.restored) << s.step;
    }
    for (const MSG& m : frame.clientMessages) EXPECT_EQ(m.wParam, (WPARAM)doc.m_hWnd);
}

TEST_F(TabbedMdiChildTest, ActivatingAWindowWithoutATabAddsIt) {
    CTestDocument& a = frame.Open("a.txt");
    CTestDocument& b = frame.Open("b.txt");
    frame.Owner().RemoveTab(a);
    ASSERT_EQ(frame.Owner().FindTab(a), -1);
    ::SendMessageA(frame.Client(), WM_MDIACTIVATE, (WPARAM)a.m_hWnd, 0);
    const int tab = frame.Owner().FindTab(a);
    ASSERT_EQ(tab, 1);
    EXPECT_EQ(frame.Owner().Strip().GetItem(tab)->text, "a.txt");
    EXPECT_EQ(frame.Owner().Strip().GetCurSel(), tab);
    EXPECT_EQ(frame.Owner().FindTab(b), 0);
}

TEST_F(TabbedMdiChildTest, DocCloseDestroysWithoutTheDocumentsClose) {
    frame.Open("a");
    CTestDocument& b = frame.Open("b");
    ::SendMessageA(b, WM_DOC_CLOSE, 0, 0);
    EXPECT_FALSE(::IsWindow(b.m_hWnd));
    EXPECT_EQ(b.closeMessages, 0);
    EXPECT_EQ(frame.Owner().Strip().GetItemCount(), 1);
}

TEST_F(TabbedMdiChildTest, MouseActivationMakesTheWindowActive) {
    CTestDocument& a = frame.Open("a");
    frame.Open("b");
    ::SendMessageA(a, WM_MOUSEACTIVATE, (WPARAM)frame.m_hWnd, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(frame.Active(), a.m_hWnd);
    EXPECT_EQ(frame.Owner().Strip().GetCurSel(), 0);
}

TEST_F(TabbedMdiChildTest, TheViewFillsTheWindowAtEverySize) {
    CTestDocument& doc = frame.Open("a");
    HWND view = ::CreateWindowA("STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, doc, nullptr, nullptr, nullptr);
    doc.ChildPart().SetViewWindow(view);
    auto fills = [&] {
        RECT inner{}, outer{};
        ::GetClientRect(doc, &outer);
        ::GetWindowRect(view, &inner);
        ::MapWindowPoints(nullptr, doc, (POINT*)&inner, 2);
        return ::EqualRect(&inner, &outer) != 0;
    };
    ::SendMessageA(frame.Client(), WM_MDIMAXIMIZE, (WPARAM)doc.m_hWnd, 0);
    EXPECT_TRUE(fills()) << "maximized";
    ::SendMessageA(frame.Client(), WM_MDIRESTORE, (WPARAM)doc.m_hWnd, 0);
    EXPECT_TRUE(fills()) << "restored";
    ::SetWindowPos(doc, nullptr, 0, 0, 123, 97, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_TRUE(fills()) << "resized";
    ::DestroyWindow(view);
}

TEST(TabbedMdiChildFocus, FocusGoesOnToTheView) {
    CTestMdiFrame frame;
    ASSERT_TRUE(frame.CreateFrame(0, true));
    CTestDocument& doc = frame.Open("a");
    HWND view = ::CreateWindowA("EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 50, 20, doc, nullptr, nullptr, nullptr);
    doc.ChildPart().SetViewWindow(view);
    ::SetFocus(frame.Owner().Strip());
    ::SetFocus(doc);
    EXPECT_EQ(::GetFocus(), view);
}

}  // namespace
