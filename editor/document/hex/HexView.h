#pragma once
// CHexView: shows a file as offsets, hexadecimal digits and characters,
// reading from disk only the rows that fit in the window. The document
// frame creates it, opens and saves the file through it and hands it the
// commands Undo (ID_EDIT_UNDO), Copy (ID_EDIT_COPY) and next pane (0xE150).
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "FilePageSource.h"
#include "HexHost.h"
#include "HexModel.h"
#include "Window.h"

class CHexView : public CMsgWindow {
public:
    static constexpr WORD kUndoCommand = 200;
    static constexpr WORD kCopyCommand = 203;
    static constexpr WORD kNextPaneCommand = 0xE150;
    // Decides whether a button press starts a drag (screen point).
    using DragDetector = std::function<bool(HWND, POINT)>;

    explicit CHexView(IHexHost& owner);
    ~CHexView() override;

    // The font (not owned) and background colour the rows are drawn with.
    void SetStyle(HFONT font, COLORREF background);
    HFONT Font() const { return m_font; }
    COLORREF Background() const { return m_background; }
    // False when the file cannot be opened for reading or is too large to scroll.
    bool OpenFile(const char* path);
    bool Reload() { return OpenFile(std::string(m_path).c_str()); }
    // Writes the edits to `path` (the open file, or a new name); false and
    // still modified when anything could not be written.
    bool Save(const char* path);
    bool IsModified() const { return m_model.IsModified(); }
    bool CanUndo() const { return m_model.CanUndo(); }
    void Redraw() {
        if (IsWindow()) Invalidate(FALSE);
    }
    void UpdateStatusText() { m_model.UpdateStatusText(); }
    uint64_t FileSize() const { return (uint64_t)m_model.Size(); }
    const std::string& FileName() const { return m_path; }
    const HexModel& Model() const { return m_model; }
    void SetDragDetector(DragDetector detector) { m_dragDetector = std::move(detector); }

    TW_BEGIN_MSG_MAP(CHexView)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_SETFOCUS, OnSetFocus)
        TW_MESSAGE_HANDLER(WM_KILLFOCUS, OnKillFocus)
        TW_MESSAGE_HANDLER(WM_SETCURSOR, OnSetCursor)
        TW_MESSAGE_HANDLER(WM_KEYDOWN, OnKeyDown)
        TW_MESSAGE_HANDLER(WM_CHAR, OnChar)
        TW_MESSAGE_HANDLER(WM_VSCROLL, OnVScroll)
        TW_MESSAGE_HANDLER(WM_HSCROLL, OnHScroll)
        TW_MESSAGE_HANDLER(WM_LBUTTONDOWN, OnLButtonDown)
        TW_MESSAGE_HANDLER(WM_MOUSEMOVE, OnMouseMove)
        TW_MESSAGE_HANDLER(WM_LBUTTONUP, OnLButtonUp)
        TW_MESSAGE_HANDLER(WM_LBUTTONDBLCLK, OnLButtonDblClk)
        TW_MESSAGE_HANDLER(WM_MOUSEWHEEL, OnMouseWheel)
        TW_MESSAGE_HANDLER(WM_MOUSEHWHEEL, OnMouseHWheel)
        TW_COMMAND_ID_HANDLER(kUndoCommand, OnUndo)
        TW_COMMAND_ID_HANDLER(kCopyCommand, OnCopy)
        TW_COMMAND_ID_HANDLER(kNextPaneCommand, OnNextPane)
        TW_MESSAGE_HANDLER(WM_PAINT, OnPaint)
        TW_MESSAGE_HANDLER(WM_PRINTCLIENT, OnPrintClient)
        TW_MESSAGE_HANDLER(WM_ERASEBKGND, OnEraseBackground)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override;

private:
    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSetFocus(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnKillFocus(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSetCursor(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnKeyDown(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnChar(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnVScroll(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnHScroll(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnLButtonDown(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnMouseMove(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnLButtonUp(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnLButtonDblClk(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnMouseWheel(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnMouseHWheel(UINT, WPARAM, LPARAM, bool&);
    // A scroll bar's code as the model's, with the 32-bit thumb position of `bar`.
    HexModel::Scroll ScrollCode(WPARAM wParam, int bar, int& track) const;
    LRESULT OnUndo(WORD, WORD, HWND, bool&);
    LRESULT OnCopy(WORD, WORD, HWND, bool&);
    LRESULT OnNextPane(WORD, WORD, HWND, bool&);
    LRESULT OnPaint(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnPrintClient(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnEraseBackground(UINT, WPARAM, LPARAM, bool&) { return 1; }

    void MeasureFont();
    void Layout();
    void SyncScrollBar(bool range);
    void UpdateCaret();
    void DestroyCaret();
    // After every change of the model: scroll bar, caret, repaint.
    void Refresh();
    void Paint(HDC target);
    bool Captured() const { return ::GetCapture() == m_hWnd; }
    int ClientHeight() const;
    int ClientWidth() const;

    IHexHost& m_owner;
    HexModel m_model;
    std::unique_ptr<FilePageSource> m_source;
    std::string m_path;
    HFONT m_font = nullptr;
    COLORREF m_background;
    bool m_focused = false;
    bool m_caretCreated = false;
    DragDetector m_dragDetector;
};
