#pragma once
// What the console view paints: the visible part of a console screen
// buffer, read cell by cell, with its cursor. The console's own window is
// kept hidden, so this copy is the only picture of the console there is.
#include <windows.h>

#include <string>
#include <vector>

class CConsoleScreen {
public:
    // Reads the visible window of the screen buffer; false (the old picture
    // kept) when the buffer cannot be read.
    bool Read(HANDLE output);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    const CHAR_INFO& Cell(int x, int y) const { return m_cells[(size_t)(y * m_width + x)]; }
    // The cursor within the picture; x or y outside it when it is elsewhere.
    COORD Cursor() const { return m_cursor; }
    bool CursorVisible() const { return m_cursorVisible; }
    // The rows with their trailing blanks cut, one '\n' after each, blank
    // rows at the end left out; the trail cells of wide characters are skipped.
    std::wstring Text() const;
    // A changed picture since the last call.
    bool TakeChanged();

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<CHAR_INFO> m_cells;
    COORD m_cursor{-1, -1};
    bool m_cursorVisible = false;
    bool m_changed = false;
};
