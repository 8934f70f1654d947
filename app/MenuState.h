#pragma once
// The enable and check rules of the frame's top-level menus, applied as a
// menu opens.
#include <windows.h>

#include "FrameDocument.h"

struct MenuContext {
    const FrameDocumentState* document = nullptr;  // the active document; null for none
    bool clipboardHasText = false;
    bool hideTitleBar = false;
    bool menuBarVisible = true;
    bool toolbarVisible = true;
    bool statusBarVisible = true;
    bool paneVisible[6] = {};  // ID_PANE_EXPLORER to ID_PANE_FIND_RESULTS2
};

// menuIndex is the position of popup in the menu bar (0 File ... 7 Window).
void ApplyMenuState(int menuIndex, HMENU popup, const MenuContext& context);

// Grays the commands that are not built yet (PendingCommands.h) wherever
// they stand in menu or its submenus.
void DisablePendingCommands(HMENU menu);
