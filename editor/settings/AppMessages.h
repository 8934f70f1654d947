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

// Document windows to the tabbed MDI client (WM_MDI_*) are the framework's.
#include "MdiMessages.h"

// A document tab's image (WM_MDI_TABSTATE): the document as it stands.
enum DocumentTabState : int {
    kTabNormal = 0,
    kTabModified = 1,
    kTabReadOnly = 2,
};
