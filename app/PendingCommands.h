#pragma once
// Commands whose work is not built yet: the main frame routes them to a
// handler that does nothing, so menus and the toolbar show them disabled
// rather than offer a command that does nothing. A command leaves this
// table when its handler is built.
#include <windows.h>

#include <array>

#include "resource.h"

struct CommandRange {
    UINT first, last;
};

// Empty now: every command of the menus and the toolbar has its handler.
inline constexpr std::array<CommandRange, 0> kPendingCommands{};

inline bool IsPendingCommand(UINT id) {
    for (const CommandRange& range : kPendingCommands)
        if (id >= range.first && id <= range.last) return true;
    return false;
}
