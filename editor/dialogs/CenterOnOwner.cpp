#include "CenterOnOwner.h"

void CenterOnOwner(HWND dialog) {
    const HWND owner = ::GetWindow(dialog, GW_OWNER);
    RECT outer{}, inner{};
    if (owner && ::IsWindowVisible(owner))
        ::GetWindowRect(owner, &outer);
    else
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &outer, 0);
    ::GetWindowRect(dialog, &inner);
    const int x = outer.left + ((outer.right - outer.left) - (inner.right - inner.left)) / 2;
    const int y = outer.top + ((outer.bottom - outer.top) - (inner.bottom - inner.top)) / 2;
    ::SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
