#pragma once
// Where language styling, folding, typing aids and searching plug into an
// editor view. Every member has a do-nothing default, so a view works
// without them.
#include <windows.h>

#include <scintilla/Scintilla.h>

class CEditorView;

class IViewHooks {
public:
    virtual ~IViewHooks() = default;
    // A command the view itself does not carry out; true when handled.
    virtual bool OnCommand(CEditorView&, WORD /*id*/) { return false; }
    // ID_VIEW_HIGHLIGHT: the lexer on or off.
    virtual void SetHighlighting(CEditorView&, bool /*on*/) {}
    // SCN_CHARADDED; ch is a code point in UTF-8 mode, lead << 8 | trail for
    // a double-byte character.
    virtual void OnCharAdded(CEditorView&, int /*ch*/) {}
    // SCN_UPDATEUI, before the status bar: brace highlighting.
    virtual void OnUpdateUI(CEditorView&) {}
    // SCN_MODIFIED with SC_MOD_CHANGEFOLD.
    virtual void OnFoldChanged(CEditorView&, const SCNotification&) {}
    // SCN_MARGINCLICK in margin 2.
    virtual void OnFoldMarginClick(CEditorView&, const SCNotification&) {}
};
