#pragma once
// Messages between document windows, the tabbed MDI client and the tab
// owner; the editor's documents send them too (its AppMessages.h includes
// this header).
#include <windows.h>

// Document windows to the MDI client; wParam is the document window.
#define WM_MDI_TABTEXT 2033     // lParam: text, or 0 for the window text
#define WM_MDI_TABTOOLTIP 2034  // lParam: text
#define WM_MDI_ACTIVATED 2035
#define WM_MDI_MAXIMIZED 2036
#define WM_MDI_RESTORED 2037    // left the maximized state
#define WM_MDI_DOCFRAME 2042    // lParam: the document frame object
#define WM_MDI_TABSTATE 2043    // lParam: image index (0 normal, 1 modified, 2 read-only)

// To a document window.
#define WM_DOC_TABMENU 2038     // lParam: screen point (x low, y high)
#define WM_DOC_CLOSE 2041       // close without the save prompt
