#pragma once
// What the main frame keeps for its window layouts and screen modes: the
// layout store over its own tree, the layout files listed in the Window
// menu, and the state saved when a screen mode began.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "LayoutStateManager.h"

class CMainFrameLayout {
public:
    std::unique_ptr<CLayoutStateManager> manager;
    // The names of the "\ui" folder's layout files, item k = command ID_LAYOUT_FIRST + k.
    std::vector<std::string> files;

    // Hide-title-bar mode: the work area and placement from before it.
    bool hasSavedPlacement = false;
    RECT savedWorkArea{};
    WINDOWPLACEMENT savedPlacement{};
    // Full-screen mode: the window rectangle from before it; all zero when off.
    RECT fullScreenRect{};
};

// At most this many layout files in the menu (ids ID_LAYOUT_FIRST to ID_LAYOUT_LAST).
constexpr int kMaxLayoutFiles = 21;
// The "*.ui" files of a folder, in the platform's order, at most kMaxLayoutFiles.
std::vector<std::string> ListLayoutFiles(const std::string& folder);
