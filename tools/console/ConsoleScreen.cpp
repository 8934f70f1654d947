#include "ConsoleScreen.h"

#include <cstring>

bool CConsoleScreen::Read(HANDLE output) {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!::GetConsoleScreenBufferInfo(output, &info)) return false;
    const SHORT width = (SHORT)(info.srWindow.Right - info.srWindow.Left + 1);
    const SHORT height = (SHORT)(info.srWindow.Bottom - info.srWindow.Top + 1);
    if (width <= 0 || height <= 0) return false;
    std::vector<CHAR_INFO> cells((size_t)width * (size_t)height);
    SMALL_RECT region = info.srWindow;
    if (!::ReadConsoleOutputW(output, cells.data(), COORD{width, height}, COORD{0, 0}, &region)) return false;

    CONSOLE_CURSOR_INFO cursor{};
    const bool cursorVisible = ::GetConsoleCursorInfo(output, &cursor) && cursor.bVisible;
    const COORD at{(SHORT)(info.dwCursorPosition.X - info.srWindow.Left),
                   (SHORT)(info.dwCursorPosition.Y - info.srWindow.Top)};
    const bool same = width == m_width && height == m_height && at.X == m_cursor.X && at.Y == m_cursor.Y &&
                      cursorVisible == m_cursorVisible &&
                      std::memcmp(cells.data(), m_cells.data(), cells.size() * sizeof(CHAR_INFO)) == 0;
    if (same) return true;
    m_width = width;
    m_height = height;
    m_cells.swap(cells);
    m_cursor = at;
    m_cursorVisible = cursorVisible;
    m_changed = true;
    return true;
}

std::wstring CConsoleScreen::Text() const {
    std::wstring text;
    size_t keep = 0;
    for (int y = 0; y < m_height; ++y) {
        std::wstring row;
        for (int x = 0; x < m_width; ++x) {
            const CHAR_INFO& cell = Cell(x, y);
            if (cell.Attributes & COMMON_LVB_TRAILING_BYTE) continue;
            row += cell.Char.UnicodeChar ? cell.Char.UnicodeChar : L' ';
        }
        row.erase(row.find_last_not_of(L' ') + 1);
        text += row;
        text += L'\n';
        if (!row.empty()) keep = text.size();
    }
    text.resize(keep);
    return text;
}

bool CConsoleScreen::TakeChanged() {
    const bool changed = m_changed;
    m_changed = false;
    return changed;
}
