#pragma once
// The editor view's display options (highlighting, wrap, line numbers,
// blanks, line ends, indentation guides): each one's command, its view
// option bit and its "EditorMask" bit, in the one table that the view, its
// toggle, the document frame and the menu state read.
#include <windows.h>

#include <cstdint>

// A view's option bits (CEditorView::Options).
enum ViewOptionBits : uint32_t {
    kViewWrap = 0x1,
    kViewHighlight = 0x2,
    kViewLineNumbers = 0x4,
    kViewWhiteSpace = 0x8,
    kViewLineEnds = 0x10,
    kViewIndentGuides = 0x20,
    kViewModified = 0x40,
};

struct DisplayOption {
    WORD command;      // the View menu's toggle, ID_VIEW_*
    uint32_t viewBit;  // ViewOptionBits
    uint32_t maskBit;  // EditorMaskBits
};

// In the View menu's order.
extern const DisplayOption kDisplayOptions[6];

// The option toggled by command; null for any other command.
const DisplayOption* DisplayOptionOfCommand(WORD command);
// View option bits from "EditorMask" bits, and back.
uint32_t ViewOptionsFromEditorMask(uint32_t editorMask);
uint32_t EditorMaskFromViewOptions(uint32_t viewOptions);
