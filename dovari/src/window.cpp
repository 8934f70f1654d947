// Window centring (export 26).
#include "dovari_sys.h"

#include "dovari_common/window_centre.h"

extern "C" int CenterWindow(HWND window)
{
    return dovari_common::CentreOnScreen(window);
}
