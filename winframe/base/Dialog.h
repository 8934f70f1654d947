#pragma once
// Dialogs over a resource template or a template built in memory. The map
// of a dialog class answers as a dialog procedure does: a handled message's
// result goes back through DWLP_MSGRESULT, or directly for the messages
// that return their value (WM_INITDIALOG, WM_CTLCOLOR*, ...).
#include "MessageLoop.h"
#include "Window.h"

#include <string>
#include <vector>

class CMsgDialog : public CMsgWindow {
public:
    CMsgDialog() { SetDefaultProc(DefaultProc::Dialog); }

    // Modal: runs the dialog and answers what EndDialog was given (-1 on failure).
    INT_PTR DoModal(HWND parent, int templateId, HINSTANCE instance = nullptr);
    INT_PTR DoModalIndirect(HWND parent, const DLGTEMPLATE* dialogTemplate);
    // Modeless: creates the dialog; the caller shows it.
    HWND CreateModeless(HWND parent, int templateId, HINSTANCE instance = nullptr);
    HWND CreateModelessIndirect(HWND parent, const DLGTEMPLATE* dialogTemplate);

    BOOL EndDialog(INT_PTR result) { return ::EndDialog(m_hWnd, result); }

private:
    static INT_PTR CALLBACK StartDialogProc(HWND, UINT, WPARAM, LPARAM);
};

// A modeless dialog that takes its keyboard messages (Tab, Enter, Escape)
// from the thread's message loop while it exists.
class CModelessDialog : public CMsgDialog, public IMessageLoopFilter {
public:
    BOOL PreTranslateMessage(MSG* msg) override;
    // Adds the dialog to the current thread's loop; removed when it is destroyed.
    void AttachToMessageLoop();

protected:
    void OnFinalMessage(HWND) override;

private:
    CMessageLoop* m_loop = nullptr;
};

// Builds a DLGTEMPLATE with its items in memory, word-aligned as the dialog
// manager requires. Texts are given in the ANSI code page.
class CDialogTemplateBuilder {
public:
    CDialogTemplateBuilder(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, const char* title,
                           const char* fontFace = "MS Shell Dlg", WORD pointSize = 9);
    CDialogTemplateBuilder(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, const wchar_t* title,
                           const wchar_t* fontFace = L"MS Shell Dlg", WORD pointSize = 9);
    // windowClass is a predefined class atom (0x0080 button, 0x0081 edit, 0x0082 static,
    // 0x0083 list box, 0x0084 scroll bar, 0x0085 combo box) or 0 with className set.
    void AddItem(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, WORD id, WORD windowClass,
                 const char* text, const char* className = nullptr);
    void AddItem(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, WORD id, WORD windowClass,
                 const wchar_t* text, const wchar_t* className = nullptr);
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(m_words.data()); }

private:
    void AlignDword();
    void AddString(const wchar_t* text);
    void AddWord(WORD w) { m_words.push_back(w); }
    void AddDword(DWORD d) { AddWord(LOWORD(d)); AddWord(HIWORD(d)); }

    std::vector<WORD> m_words;
    size_t m_countOffset = 0;
};
