#include "MenuState.h"

#include "AppSettings.h"
#include "DisplayOptions.h"
#include "EncodingCodes.h"
#include "PendingCommands.h"
#include "resource.h"

namespace {

void Enable(HMENU menu, UINT id, bool enabled) {
    ::EnableMenuItem(menu, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

void EnableRange(HMENU menu, UINT first, UINT last, bool enabled) {
    for (UINT id = first; id <= last; ++id) Enable(menu, id, enabled);
}

void Check(HMENU menu, UINT id, bool checked) {
    ::CheckMenuItem(menu, id, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

struct Facts {
    bool document, editor, hex, modified, selection;
};

void FileMenu(HMENU menu, const Facts& f) {
    for (UINT id : {ID_FILE_CLOSE, ID_FILE_CLOSE_OTHERS, ID_FILE_CLOSE_ALL, ID_FILE_SAVE_AS, ID_FILE_SAVE_ALL,
                    ID_FILE_LOAD_WORKSPACE, ID_FILE_SAVE_WORKSPACE})
        Enable(menu, id, f.document);
    // The editor does not print: the view takes both commands and does nothing with them, so the
    // items stay gray rather than offer a command that does nothing (the print button stays
    // disabled for the same reason).
    Enable(menu, ID_FILE_PRINT, false);
    Enable(menu, ID_FILE_PRINT_SETUP, false);
    Enable(menu, ID_FILE_SAVE, f.modified);
    Enable(menu, ID_FILE_RELOAD, f.modified);
    EnableRange(menu, ID_FILE_EXPORT_HTML, ID_FILE_EXPORT_TEX, f.editor);
}

void EditMenu(HMENU menu, const Facts& f, const FrameDocumentState* d, bool clipboard) {
    Enable(menu, ID_EDIT_UNDO, f.document && d->canUndo);
    Enable(menu, ID_EDIT_REDO, f.editor && d->canRedo);
    for (UINT id : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_DELETE, ID_EDIT_LOWERCASE, ID_EDIT_UPPERCASE, ID_EDIT_COPY_RTF})
        Enable(menu, id, f.editor && f.selection);
    Enable(menu, ID_EDIT_PASTE, f.editor && clipboard);
    // Select all, the line commands and the conversions are the text view's: the hex view has
    // none of them, so with a binary document they would do nothing. The same for the copy path
    // items (the document frame's) without a document, and the typing aids (a text view's hooks).
    EnableRange(menu, ID_EDIT_SELECT_ALL, ID_EDIT_LINES_JOIN, f.editor);
    EnableRange(menu, ID_EDIT_STRIP_TRAILING, ID_EDIT_SPACES_TO_TABS, f.editor);
    EnableRange(menu, ID_EDIT_COPY_FILENAME, ID_EDIT_COPY_PATH, f.document);
    EnableRange(menu, ID_EDIT_CALLTIP, ID_EDIT_COMPLETE_WORD, f.editor);
    Enable(menu, ID_EDIT_SWAP_CLIPBOARD, f.selection && clipboard);
}

void ViewMenu(HMENU menu, const Facts& f, const FrameDocumentState* d, const MenuContext& c) {
    Check(menu, ID_VIEW_HIDE_TITLE, c.hideTitleBar);
    EnableRange(menu, ID_VIEW_HIGHLIGHT, ID_VIEW_UNFOLD_ALL, f.editor);
    // The fold level submenus' items are the text view's too.
    EnableRange(menu, ID_VIEW_FOLD_LEVEL_FIRST, ID_VIEW_FOLD_LEVEL_LAST, f.editor);
    EnableRange(menu, ID_VIEW_UNFOLD_LEVEL_FIRST, ID_VIEW_UNFOLD_LEVEL_LAST, f.editor);
    Check(menu, ID_VIEW_MENUBAR, c.menuBarVisible);
    Check(menu, ID_VIEW_TOOLBAR, c.toolbarVisible);
    Check(menu, ID_VIEW_STATUS_BAR, c.statusBarVisible);
    for (const DisplayOption& option : kDisplayOptions)
        Check(menu, option.command, f.editor && (d->displayBits & option.maskBit));
}

void SearchMenu(HMENU menu, const Facts& f) {
    // Find and replace open their dialogs for any document; finding again, finding the word and
    // going to a line are carried out by the text view only, so a binary document grays them.
    EnableRange(menu, ID_SEARCH_FIND, ID_SEARCH_REPLACE, f.document);
    EnableRange(menu, ID_SEARCH_FIND_NEXT, ID_SEARCH_PREV_WORD, f.editor);
    Enable(menu, ID_SEARCH_GOTO_LINE, f.editor);
    Enable(menu, ID_SEARCH_GOTO_SYMBOL, f.editor);
    EnableRange(menu, ID_SEARCH_HELP, ID_SEARCH_CLEAR_BOOKMARKS, f.editor);
}

void DocumentMenu(HMENU menu, const Facts& f, const FrameDocumentState* d) {
    EnableRange(menu, ID_DOC_USE_TABS, ID_DOC_EOL_CR, f.editor);
    Enable(menu, ID_DOC_READONLY, f.document);
    Check(menu, ID_DOC_READONLY, f.document && d->readOnly);
    Enable(menu, ID_DOC_CLEAR_READONLY, f.document && d->fileReadOnly);
    Check(menu, ID_DOC_USE_TABS, f.editor && d->useTabs);
    for (UINT id : {ID_DOC_EOL_CRLF, ID_DOC_EOL_LF, ID_DOC_EOL_CR}) {
        if (f.editor && EolModeForCommand(id) == d->lineEnds) Enable(menu, id, false);
    }
    for (UINT id = ID_DOC_ENC_ANSI; id <= ID_DOC_ENC_UTF8_NOBOM; ++id)
        Check(menu, id, f.editor && EncodingForCommand(id) == d->encoding);
}

void ToolsMenu(HMENU menu, const Facts& f, const FrameDocumentState* d) {
    Enable(menu, ID_TOOLS_LOCATE_FILE, f.document);
    Enable(menu, ID_TOOLS_OPEN_DEFAULT, f.document);
    Enable(menu, ID_TOOLS_WATCH_CLIPBOARD, f.editor);
    Enable(menu, ID_TOOLS_FILE_PROPERTIES, f.editor);
    Check(menu, ID_TOOLS_WATCH_CLIPBOARD, f.editor && d->watchesClipboard);
}

void LanguageMenu(HMENU menu, const Facts& f, const FrameDocumentState* d) {
    // Nothing switches a document to or from the hex view yet: the item only shows, by its
    // check, that the document is a binary one, and stays gray so that it promises nothing.
    Enable(menu, ID_LANGUAGE_HEX, false);
    Check(menu, ID_LANGUAGE_HEX, f.hex);
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        UINT id = ::GetMenuItemID(menu, i);
        if (id < ID_LANGUAGE_FIRST || id > ID_LANGUAGE_LAST) continue;
        Enable(menu, id, f.document);
        Check(menu, id, f.editor && d->language == (int)(id - ID_LANGUAGE_FIRST));
    }
}

void WindowMenu(HMENU menu, const Facts& f, const MenuContext& c) {
    Enable(menu, ID_WINDOW_NEXT, f.document);
    Enable(menu, ID_WINDOW_PREV, f.document);
    EnableRange(menu, ID_WINDOW_CASCADE, ID_WINDOW_ARRANGE, f.document);
    for (int i = 0; i < 6; ++i) Check(menu, ID_PANE_EXPLORER + i, c.paneVisible[i]);
}

}  // namespace

void ApplyMenuState(int menuIndex, HMENU popup, const MenuContext& context) {
    const FrameDocumentState* d = context.document;
    Facts f{};
    f.document = d != nullptr;
    f.editor = d && d->kind == DocumentKind::Editor;
    f.hex = d && d->kind == DocumentKind::Hex;
    f.modified = d && d->modified;
    f.selection = f.editor && d->hasSelection;
    switch (menuIndex) {
    case MENU_POS_FILE: FileMenu(popup, f); break;
    case MENU_POS_EDIT: EditMenu(popup, f, d, context.clipboardHasText); break;
    case MENU_POS_VIEW: ViewMenu(popup, f, d, context); break;
    case MENU_POS_SEARCH: SearchMenu(popup, f); break;
    case MENU_POS_DOCUMENT: DocumentMenu(popup, f, d); break;
    case MENU_POS_TOOLS: ToolsMenu(popup, f, d); break;
    case MENU_POS_LANGUAGE: LanguageMenu(popup, f, d); break;
    case MENU_POS_WINDOW: WindowMenu(popup, f, context); break;
    default: break;
    }
    DisablePendingCommands(popup);
}

void DisablePendingCommands(HMENU menu) {
    // Items of submenus are found by command as well.
    for (const CommandRange& range : kPendingCommands) EnableRange(menu, range.first, range.last, false);
}
