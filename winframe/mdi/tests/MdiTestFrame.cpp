#include "MdiTestFrame.h"

#include <commctrl.h>

CTestMdiFrame::CTestMdiFrame() : m_tabbed(std::make_unique<CTabbedMdiClient>()) {}

CTestMdiFrame::~CTestMdiFrame() {
    if (m_client) ::RemoveWindowSubclass(m_client, RecordClient, 1);
    m_documents.clear();
    m_tabbed.reset();
    if (IsWindow()) DestroyWindow();
}

HWND CTestMdiFrame::CreateFrame(DWORD addStripStyle, bool visible) {
    m_addStripStyle = addStripStyle;
    RECT rc{0, 0, 640, 400};
    return Create(nullptr, &rc, "mdi test frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0));
}

LRESULT CTestMdiFrame::OnCreate(UINT, WPARAM, LPARAM, bool&) {
    CLIENTCREATESTRUCT ccs{};
    ccs.idFirstChild = 0xFF00;
    m_client = ::CreateWindowExA(WS_EX_CLIENTEDGE, "MDICLIENT", nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, m_hWnd,
                                 (HMENU)(INT_PTR)0xE900, ::GetModuleHandleA(nullptr), &ccs);
    if (!m_client) return -1;
    m_tabbed->TabOwner().ModifyStripStyle(0, m_addStripStyle);
    m_tabbed->SubclassWindow(m_client);
    ::SetWindowSubclass(m_client, RecordClient, 1, (DWORD_PTR)this);
    SetMdiClient(m_client);
    SetDefaultProc(DefaultProc::Frame);
    Layout();
    return 0;
}

void CTestMdiFrame::Layout() {
    const RECT rc = ClientArea();
    ::MoveWindow(m_client, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, TRUE);
}

LRESULT CALLBACK CTestMdiFrame::RecordClient(HWND hWnd, UINT msg, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR ref) {
    if (msg >= 2033 && msg <= 2043) ((CTestMdiFrame*)ref)->clientMessages.push_back(MSG{hWnd, msg, w, l, 0, {}});
    return ::DefSubclassProc(hWnd, msg, w, l);
}

RECT CTestMdiFrame::ClientArea() const {
    RECT rc{};
    GetClientRect(&rc);
    rc.top += topReserve;
    return rc;
}

LRESULT CTestMdiFrame::OnSize(UINT, WPARAM w, LPARAM, bool&) {
    if (w == SIZE_MINIMIZED || !m_client) return 0;
    Layout();
    return 0;
}

LRESULT CTestMdiFrame::OnRecord(UINT msg, WPARAM w, LPARAM l, bool&) {
    frameMessages.push_back(MSG{m_hWnd, msg, w, l, 0, {}});
    return 0;
}

LRESULT CTestMdiFrame::OnRecordAndDecline(UINT msg, WPARAM w, LPARAM l, bool& handled) {
    OnRecord(msg, w, l, handled);
    if (msg == WM_INITMENUPOPUP && onInitMenuPopup) onInitMenuPopup();
    handled = false;
    return 0;
}

int CTestMdiFrame::CountAt(UINT msg) const {
    int n = 0;
    for (const MSG& m : clientMessages) n += m.message == msg;
    return n;
}

static RECT InFrame(HWND window, HWND frame) {
    RECT rc{};
    ::GetWindowRect(window, &rc);
    ::MapWindowPoints(nullptr, frame, (POINT*)&rc, 2);
    return rc;
}

RECT CTestMdiFrame::ClientRect() const { return InFrame(m_client, m_hWnd); }
RECT CTestMdiFrame::OwnerRect() const { return InFrame(m_tabbed->TabOwner(), m_hWnd); }

CTestDocument& CTestMdiFrame::Open(const char* title) {
    m_documents.push_back(std::make_unique<CTestDocument>());
    CTestDocument& doc = *m_documents.back();
    RECT rc{0, 0, 300, 200};
    doc.CreateMdiChild(m_client, title, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW, &rc);
    return doc;
}
