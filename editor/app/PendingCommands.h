#pragma once
// Commands whose work is not built yet: the main frame routes them to a
// handler that does nothing, so menus and the toolbar show them disabled
// rather than offer a command that does nothing. A command leaves this
// table when its handler is built.
#include <windows.h>

#include "resource.h"

struct CommandRange {
    UINT first, last;
};

inline constexpr CommandRange kPendingCommands[] = {
    {ID_VIEW_HIDE_TITLE, ID_VIEW_FULL_SCREEN},    // screen modes
    {ID_VIEW_FONT_SCHEME, ID_VIEW_FONT_SCHEME},   // the font-scheme drop-down
    {ID_LAYOUT_LOAD, ID_LAYOUT_SAVE},             // window layouts
    {ID_FONT_SCHEME_FIRST, ID_LAYOUT_LAST},       // font schemes, layout files
};

inline bool IsPendingCommand(UINT id) {
    for (const CommandRange& range : kPendingCommands)
        if (id >= range.first && id <= range.last) return true;
    return false;
}
