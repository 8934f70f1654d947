#pragma once
// A small MDI frame with the tabbed MDI client, and document windows that
// talk to the client as the editor's document frames do, for the tests.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "MdiMessages.h"
#include "TabbedMdiChild.h"
#include "TabbedMdiClient.h"
#include "Window.h"
#include "MessagePump.h"

// A document window: records what the tab owner sends it.
class CTestDocument : public CMsgWindow {
public:
    std::vector<LPARAM> tabMenus;     // WM_DOC_TABMENU lParams
    std::vector<WPARAM> sysCommands;  // WM_SYSCOMMAND wParams
    int closeMessages = 0;            // WM_CLOSE reaching the document's own handler
    bool closeOnSysCommand = false;   // else SC_CLOSE is only recorded

    CTabbedMdiChild& ChildPart() { return m_child; }

    TW_BEGIN_MSG_MAP(CTestDocument)
        TW_MESSAGE_HANDLER(WM_DOC_TABMENU, OnTabMenu)
        TW_MESSAGE_HANDLER(WM_SYSCOMMAND, OnSysCommand)
        TW_MESSAGE_HANDLER(WM_CLOSE, OnClose)
        TW_CHAIN_MSG_MAP_MEMBER(m_child)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TwTestMdiDocument"}; }

private:
    LRESULT OnTabMenu(UINT, WPARAM, LPARAM l, bool&) {
        tabMenus.push_back(l);
        return 0;
    }
    LRESULT OnSysCommand(UINT, WPARAM w, LPARAM, bool& handled) {
        sysCommands.push_back(w);
        handled = (w & 0xFFF0) == SC_CLOSE && !closeOnSysCommand;
        return 0;
    }
    LRESULT OnClose(UINT, WPARAM, LPARAM, bool& handled) {
        ++closeMessages;
        handled = false;
        return 0;
    }

    CTabbedMdiChild m_child;
};

class CTestMdiFrame : public CMsgWindow {
public:
    std::vector<MSG> clientMessages;  // the WM_MDI_* messages as they reach the MDI client
    std::vector<MSG> frameMessages;   // double clicks, commands and popups at the frame
    int topReserve = 0;               // room kept above the client, as for a rebar
    std::function<void()> onInitMenuPopup;

    CTestMdiFrame();
    ~CTestMdiFrame() override;
    // With the strip style changed before the client exists.
    HWND CreateFrame(DWORD addStripStyle = 0, bool visible = false);

    HWND Client() const { return m_client; }
    CTabbedMdiClient& Tabbed() { return *m_tabbed; }
    CMdiTabOwner& Owner() { return m_tabbed->TabOwner(); }
    void DropTabbedClient() { m_tabbed.reset(); }
    // The rectangle the frame gives the client, in frame client coordinates.
    RECT ClientArea() const;
    void Layout();
    // The client's and the owner's rectangles in frame client coordinates.
    RECT ClientRect() const;
    RECT OwnerRect() const;

    // A document window as the editor opens one: created, then activated.
    CTestDocument& Open(const char* title);
    CTestDocument& Document(int i) { return *m_documents[i]; }
    HWND Active() const { return (HWND)::SendMessageA(m_client, WM_MDIGETACTIVE, 0, 0); }
    int CountAt(UINT msg) const;

    TW_BEGIN_MSG_MAP(CTestMdiFrame)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_MESSAGE_HANDLER(WM_LBUTTONDBLCLK, OnRecord)
        TW_MESSAGE_HANDLER(WM_COMMAND, OnRecord)
        TW_MESSAGE_HANDLER(WM_INITMENUPOPUP, OnRecordAndDecline)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TwTestMdiFrame"}; }

private:
    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnRecord(UINT msg, WPARAM w, LPARAM l, bool&);
    LRESULT OnRecordAndDecline(UINT msg, WPARAM w, LPARAM l, bool& handled);
    static LRESULT CALLBACK RecordClient(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    std::unique_ptr<CTabbedMdiClient> m_tabbed;
    std::vector<std::unique_ptr<CTestDocument>> m_documents;
    HWND m_client = nullptr;
    DWORD m_addStripStyle = 0;
};

inline LPARAM PointParam(POINT pt) { return MAKELPARAM((WORD)(short)pt.x, (WORD)(short)pt.y); }
inline POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }
inline int Height(const RECT& r) { return r.bottom - r.top; }
