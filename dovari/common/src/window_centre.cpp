#include "dovari_common/window_centre.h"

#include "GdiHandles.h"

namespace dovari_common {

namespace {
constexpr int kAboveCentre = 30;
}

POINT CentredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight)
{
    return POINT{(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2 - kAboveCentre};
}

BOOL CentreOnScreen(HWND window)
{
    int screenWidth = 0;
    int screenHeight = 0;
    if (const CClientDc screen(nullptr); screen) {
        screenWidth = GetDeviceCaps(screen, HORZRES);
        screenHeight = GetDeviceCaps(screen, VERTRES);
    }
    RECT r{};
    GetWindowRect(window, &r);
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    POINT at = CentredOrigin(screenWidth, screenHeight, width, height);
    return MoveWindow(window, at.x, at.y, width, height, TRUE);
}

} // namespace dovari_common
