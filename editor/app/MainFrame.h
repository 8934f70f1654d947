#pragma once
// The editor's top-level window: an MDI frame that receives every command,
// opens documents and answers the instance message of a later start.
#include <string>
#include <vector>

#include "AppMessages.h"
#include "MessageLoop.h"
#include "UpdateUI.h"
#include "Window.h"

class CMainFrame : public CMsgWindow, public IMessageLoopFilter, public IIdleHandler {
public:
    CMainFrame();
    ~CMainFrame() override;

    // No parent, default position and size, title string 1 and menu 1.
    bool CreateMainWindow();
    // Opens a file in a document window; false when it cannot.
    bool OpenDocument(const char* path, int openType, bool addToRecent);
    HWND MdiClientWindow() const { return m_mdiClient; }
    // True when any open document has unsaved changes.
    bool HasModifiedDocument() const;

    BOOL PreTranslateMessage(MSG* msg) override;
    BOOL OnIdle() override;

    TW_BEGIN_MSG_MAP(CMainFrame)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_CLOSE, OnClose)
        TW_REGISTERED_MESSAGE_HANDLER(m_instanceMessage, OnInstanceMessage)
        TW_MESSAGE_HANDLER(WM_RESTORESESSION, OnRestoreSession)
        TW_MESSAGE_HANDLER(WM_DESTROY, OnDestroy)
        TW_CHAIN_MSG_MAP_MEMBER(m_updateUI)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override;

private:
    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnClose(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDestroy(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnInstanceMessage(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnRestoreSession(UINT, WPARAM, LPARAM, bool&);
    void BringToFront();

    CUpdateUI m_updateUI;
    HWND m_mdiClient = nullptr;
    UINT m_instanceMessage = 0;
    bool m_starting = true;
};
