#pragma once
// Window messages between the editor's windows.
#include <windows.h>

#define WM_RESTORESESSION (WM_USER + 10)  // restore the start-up state
#define WM_DOC_CHECKFILE (WM_USER + 37)   // compare the file's time on disk
#define WM_GOTOLINE (WM_USER + 39)        // lParam: 1-based line, to the editor view

// To a document frame.
#define WM_DOC_TABMENU 2038
#define WM_DOC_SAVE 2039
#define WM_DOC_DESCRIBE 2040
#define WM_DOC_CLOSE 2041

// Document windows to the tabbed MDI client; wParam is the document window.
#define WM_MDI_TABTEXT 2033
#define WM_MDI_TABTOOLTIP 2034
#define WM_MDI_ACTIVATED 2035
#define WM_MDI_MAXIMIZED 2036
#define WM_MDI_RESTORED 2037
#define WM_MDI_DOCFRAME 2042
#define WM_MDI_TABSTATE 2043  // lParam: a DocumentTabState

// A document tab's image: the document as it stands.
enum DocumentTabState : int {
    kTabNormal = 0,
    kTabModified = 1,
    kTabReadOnly = 2,
};
