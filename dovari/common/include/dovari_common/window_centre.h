// Placing a window 30 pixels above the centre of the screen.
#pragma once

#include <windows.h>

namespace dovari_common {

// Top-left corner for a window of the given size; divisions truncate toward zero.
POINT CentredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

// Moves the window, keeping its size and repainting it; the move's result.
BOOL CentreOnScreen(HWND window);

} // namespace dovari_common
