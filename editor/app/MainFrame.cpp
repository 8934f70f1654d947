#include "MainFrame.h"

#include "AppMessages.h"
#include "Application.h"
#include "Globals.h"
#include "InstanceGuard.h"
#include "MessageLoop.h"
#include "resource.h"

namespace {

const int kMdiClientId = 0xE900;
const UINT kFirstMdiChildId = 0xFF00;
const int kWindowMenuPosition = 7;

// A document window until the document frames take its place: it shows the
// file's path as its title.
class CDocumentWindow : public CMsgWindow {
public:
    TW_BEGIN_MSG_MAP(CDocumentWindow)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TarnwickDocument"}; }
    void OnFinalMessage(HWND) override { delete this; }
};

}  // namespace

CMainFrame::CMainFrame() {
    if (g_instanceGuard) m_instanceMessage = g_instanceGuard->Message();
}

CMainFrame::~CMainFrame() = default;

WindowClassInfo CMainFrame::GetWindowClassInfo() const {
    WindowClassInfo info;
    info.name = kMainFrameClassName;
    info.background = (HBRUSH)(COLOR_APPWORKSPACE + 1);
    info.icon = ::LoadIconA(g_instance, MAKEINTRESOURCEA(IDI_MAINFRAME));
    info.iconSmall = (HICON)::LoadImageA(g_instance, MAKEINTRESOURCEA(IDI_MAINFRAME), IMAGE_ICON, 16, 16, 0);
    return info;
}

bool CMainFrame::CreateMainWindow() {
    char title[64] = "Tarnwick";
    ::LoadStringA(g_instance, IDS_PRODUCT_NAME, title, sizeof(title));
    HMENU menu = ::LoadMenuA(g_instance, MAKEINTRESOURCEA(IDR_MENU_MAIN));
    if (!Create(nullptr, nullptr, title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, menu)) {
        if (menu) ::DestroyMenu(menu);
        return false;
    }
    return true;
}

LRESULT CMainFrame::OnCreate(UINT, WPARAM, LPARAM, bool&) {
    CLIENTCREATESTRUCT client{};
    HMENU menu = ::GetMenu(m_hWnd);
    client.hWindowMenu = menu ? ::GetSubMenu(menu, kWindowMenuPosition) : nullptr;
    client.idFirstChild = kFirstMdiChildId;
    m_mdiClient = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL,
                                    0, 0, 0, 0, m_hWnd, (HMENU)(INT_PTR)kMdiClientId, g_instance, &client);
    if (!m_mdiClient) return -1;
    SetMdiClient(m_mdiClient);
    SetDefaultProc(DefaultProc::Frame);
    if (CMessageLoop* loop = g_module.GetMessageLoop()) {
        loop->AddMessageFilter(this);
        loop->AddIdleHandler(this);
    }
    PostMessage(WM_RESTORESESSION);
    return 0;
}

LRESULT CMainFrame::OnRestoreSession(UINT, WPARAM, LPARAM, bool&) {
    ShowWindow(SW_SHOW);
    // Every argument of our own command line, switches included, silently.
    for (int i = 1; i < ProgramArgc(); ++i) OpenDocument(ProgramArgv()[i], kOpenAutomatic, true);
    m_starting = false;
    return 0;
}

LRESULT CMainFrame::OnClose(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;  // the default processing destroys the frame
    return 0;
}

LRESULT CMainFrame::OnDestroy(UINT, WPARAM, LPARAM, bool&) {
    if (CMessageLoop* loop = g_module.GetMessageLoop()) {
        loop->RemoveMessageFilter(this);
        loop->RemoveIdleHandler(this);
    }
    ::PostQuitMessage(0);
    return 0;
}

void CMainFrame::BringToFront() {
    if (::IsIconic(m_hWnd)) ShowWindow(SW_RESTORE);
    ::SetForegroundWindow(m_hWnd);
}

LRESULT CMainFrame::OnInstanceMessage(UINT, WPARAM wParam, LPARAM lParam, bool&) {
    switch (wParam) {
    case kInstanceCloseForUpdate:
        if (HasModifiedDocument()) BringToFront();
        UpdateCloseRequested = true;
        SendMessage(WM_CLOSE);
        break;
    case kInstanceOpenFiles: {
        // Copied out first: the sender frees the block once we return.
        std::vector<std::string> files;
        if (g_instanceGuard) g_instanceGuard->ReadForwardedFiles(files, (size_t)lParam);
        for (const std::string& file : files) OpenDocument(file.c_str(), kOpenAutomatic, true);
        BringToFront();
        break;
    }
    default:
        BringToFront();
        break;
    }
    return 0;
}

bool CMainFrame::OpenDocument(const char* path, int, bool) {
    DWORD attributes = ::GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    auto* document = new CDocumentWindow;
    if (!document->CreateMdiChild(m_mdiClient, path, WS_VISIBLE | WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN)) {
        delete document;
        return false;
    }
    return true;
}

bool CMainFrame::HasModifiedDocument() const { return false; }

BOOL CMainFrame::PreTranslateMessage(MSG* msg) {
    return m_mdiClient && ::TranslateMDISysAccel(m_mdiClient, msg);
}

BOOL CMainFrame::OnIdle() {
    m_updateUI.UIUpdateToolBar();
    return FALSE;
}
