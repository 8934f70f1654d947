#include "ConsolePane.h"

#include <vector>

#include "ConsoleInput.h"
#include "WideText.h"
#include "resource.h"

namespace {

// Ctrl+C and Ctrl+Break go to every process on the console; typed into the
// pane they are meant for the processor, never to end the editor.
BOOL WINAPI KeepRunningOnInterrupt(DWORD event) { return event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT; }

}  // namespace

CConsolePane::CConsolePane(std::string programFolder, HFONT font)
    : m_programFolder(std::move(programFolder)), m_font(font), m_view(m_screen, *this) {}

CConsolePane::~CConsolePane() {
    FreeOwnedConsole();
    if (m_icon) ::DestroyIcon(m_icon);
}

LRESULT CConsolePane::OnCreate(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    m_icon = static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_CONSOLE_PANE),
                                             IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                             ::GetSystemMetrics(SM_CYSMICON), 0));
    if (m_icon) ::SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));
    if (!m_view.CreateView(m_hWnd, m_font)) return -1;
    // A process that has a console already leaves the pane empty.
    OpenOwnedConsole();
    return 0;
}

bool CConsolePane::OpenOwnedConsole() {
    if (!::AllocConsole()) return false;
    m_ownsConsole = true;
    ::SetConsoleCtrlHandler(KeepRunningOnInterrupt, TRUE);
    if (HWND console = ::GetConsoleWindow()) ::ShowWindow(console, SW_HIDE);

    m_processor = std::make_unique<CCommandProcessor>(m_programFolder.empty() ? std::string()
                                                                               : m_programFolder + "\\initcmd.bat");
    // The handles are opened before the processor starts, for the colours and the fit.
    if (!m_processor->Start() && !m_processor->Output()) return true;
    const HANDLE output = m_processor->Output();
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (::GetConsoleScreenBufferInfo(output, &info))
        ::SetConsoleTextAttribute(output, (WORD)((info.wAttributes & ~0xFF) | kPaneColours));
    FitConsoleToPane();
    // The cells so far too, in the buffer's final width, or the blank ones
    // would keep the old background.
    if (::GetConsoleScreenBufferInfo(output, &info)) {
        DWORD filled = 0;
        ::FillConsoleOutputAttribute(output, info.wAttributes, (DWORD)(info.dwSize.X * info.dwSize.Y), COORD{0, 0},
                                     &filled);
    }
    PollConsole();
    return true;
}

bool CConsolePane::EnsureProcessor() {
    if (!m_processor) return false;
    if (m_processor->IsRunning()) return true;
    // Started again on a fresh console: one that ended while reading (on a
    // Ctrl+C, Wine's does) can leave its read pending in the old console,
    // and that read would take the next line from its successor.
    FreeOwnedConsole();
    return OpenOwnedConsole() && m_processor && m_processor->IsRunning();
}

void CConsolePane::FreeOwnedConsole() {
    if (!m_ownsConsole) return;
    m_ownsConsole = false;
    // The processor goes first: freeing the console alone would leave it running.
    m_processor.reset();
    ::SetConsoleCtrlHandler(KeepRunningOnInterrupt, FALSE);
    ::FreeConsole();
}

LRESULT CConsolePane::OnDestroy(UINT, WPARAM, LPARAM, bool& handled) {
    FreeOwnedConsole();
    handled = false;
    return 0;
}

LRESULT CConsolePane::OnSize(UINT, WPARAM, LPARAM lParam, bool& handled) {
    if (m_view.m_hWnd)
        ::SetWindowPos(m_view.m_hWnd, nullptr, 0, 0, LOWORD(lParam), HIWORD(lParam),
                       SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    FitConsoleToPane();
    handled = false;
    return 0;
}

LRESULT CConsolePane::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, bool&) {
    reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = POINT{0, 0};
    return 0;
}

LRESULT CConsolePane::OnSetFocus(UINT, WPARAM, LPARAM, bool& handled) {
    if (m_view.m_hWnd) ::SetFocus(m_view.m_hWnd);
    handled = false;
    return 0;
}

void CConsolePane::FitConsoleToPane() {
    if (!m_processor || !m_processor->Output() || !m_view.m_hWnd) return;
    const HANDLE output = m_processor->Output();
    CONSOLE_SCREEN_BUFFER_INFO info{};
    CONSOLE_FONT_INFO font{};
    if (!::GetConsoleScreenBufferInfo(output, &info) || !::GetCurrentConsoleFont(output, FALSE, &font)) return;
    const COORD cell = ::GetConsoleFontSize(output, font.nFont);
    if (cell.X <= 0) return;
    // The buffer is as wide as the screen holds console cells, whatever the
    // pane's width: long lines scroll in a narrow pane instead of wrapping.
    const SHORT columns = (SHORT)(::GetSystemMetrics(SM_CXSCREEN) / cell.X);
    if (columns <= 0) return;

    // The console's window: as many cells as the view shows, inside the buffer.
    RECT client{};
    ::GetClientRect(m_view.m_hWnd, &client);
    const SIZE viewCell = m_view.CellSize();
    SHORT width = (SHORT)(client.right / viewCell.cx);
    SHORT height = (SHORT)(client.bottom / viewCell.cy);
    if (width < 1) width = 1;
    if (height < 1) height = 1;
    if (width > columns) width = columns;
    if (height > info.dwSize.Y) height = info.dwSize.Y;
    // The window must fit the buffer before and after the buffer changes.
    SMALL_RECT small{0, info.srWindow.Top, 0, info.srWindow.Top};
    ::SetConsoleWindowInfo(output, TRUE, &small);
    ::SetConsoleScreenBufferSize(output, COORD{columns, info.dwSize.Y});

    // Keep the cursor in sight: the window's bottom row at or below it.
    SHORT top = info.srWindow.Top;
    if (info.dwCursorPosition.Y >= top + height) top = (SHORT)(info.dwCursorPosition.Y - height + 1);
    if (top + height > info.dwSize.Y) top = (SHORT)(info.dwSize.Y - height);
    if (top < 0) top = 0;
    SHORT left = 0;
    if (info.dwCursorPosition.X >= width) left = (SHORT)(info.dwCursorPosition.X - width + 1);
    SMALL_RECT window{left, top, (SHORT)(left + width - 1), (SHORT)(top + height - 1)};
    ::SetConsoleWindowInfo(output, TRUE, &window);
    PollConsole();
}

void CConsolePane::PollConsole() {
    if (!m_processor) return;
    if (!m_processor->IsRunning() && m_processor->Age() >= kRestartPauseMs) EnsureProcessor();
    if (!m_processor) return;
    if (m_processor->Output() && m_screen.Read(m_processor->Output()) && m_screen.TakeChanged()) m_view.ScreenChanged();
}

void CConsolePane::TypeRecords(const INPUT_RECORD* records, DWORD count) {
    if (!EnsureProcessor()) return;
    DWORD written = 0;
    ::WriteConsoleInputW(m_processor->Input(), records, count, &written);
    PollConsole();
}

bool CConsolePane::SendToConsole(const char* text) {
    if (!m_processor || !text) return false;
    const std::vector<INPUT_RECORD> records = LineRecords(ToWide(text));
    if (!EnsureProcessor()) return false;
    DWORD written = 0;
    const bool sent = ::WriteConsoleInputW(m_processor->Input(), records.data(), (DWORD)records.size(), &written) &&
                      written == records.size();
    PollConsole();
    return sent;
}
