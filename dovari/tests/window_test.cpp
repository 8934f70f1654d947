// CenterWindow on a real window (the test session's X display).
#include "dovari_sys.h"

#include <gtest/gtest.h>

namespace {

TEST(CenterWindow, MovesAWindowAboveTheScreenCentreKeepingItsSize)
{
    HWND window = CreateWindowExA(0, "STATIC", "centre", WS_POPUP, 7, 9, 400, 300, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    int screenW = GetSystemMetrics(SM_CXSCREEN);
    int screenH = GetSystemMetrics(SM_CYSCREEN);

    EXPECT_NE(CenterWindow(window), 0);
    RECT r{};
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, (screenW - 400) / 2);
    EXPECT_EQ(r.top, (screenH - 300) / 2 - 30);
    EXPECT_EQ(r.right - r.left, 400);
    EXPECT_EQ(r.bottom - r.top, 300);
    DestroyWindow(window);
}

TEST(CenterWindow, NoWindowAnswersZero)
{
    EXPECT_EQ(CenterWindow(nullptr), 0);
}

} // namespace
