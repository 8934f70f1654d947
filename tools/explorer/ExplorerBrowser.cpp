#include "ExplorerBrowser.h"

namespace {

// The one service the view asks us for: the top-level browser.
constexpr GUID kTopLevelBrowserService = {0x80F30233, 0xB7DF, 0x11D2, {0xA3, 0x3B, 0x00, 0x60, 0x97, 0xDF, 0x5B, 0xD4}};

}  // namespace

STDMETHODIMP CExplorerBrowser::QueryInterface(REFIID riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == IID_IUnknown || riid == IID_IOleWindow || riid == IID_IShellBrowser)
        *out = static_cast<IShellBrowser*>(this);
    else if (riid == IID_ICommDlgBrowser || riid == IID_ICommDlgBrowser2)
        *out = static_cast<ICommDlgBrowser2*>(this);
    else if (riid == IID_IServiceProvider)
        *out = static_cast<IServiceProvider*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

STDMETHODIMP CExplorerBrowser::GetWindow(HWND* window) {
    if (!window) return E_POINTER;
    *window = m_owner.BrowserWindow();
    return S_OK;
}

STDMETHODIMP CExplorerBrowser::GetControlWindow(UINT id, HWND* window) {
    if (!window) return E_POINTER;
    *window = nullptr;
    if (id != FCW_TOOLBAR) return E_NOTIMPL;
    *window = m_owner.BrowserToolbar();
    return S_OK;
}

STDMETHODIMP CExplorerBrowser::SendControlMsg(UINT, UINT, WPARAM, LPARAM, LRESULT* result) {
    if (result) *result = 0;
    return S_OK;
}

STDMETHODIMP CExplorerBrowser::QueryActiveShellView(IShellView** view) {
    if (!view) return E_POINTER;
    *view = m_owner.ActiveView();
    if (*view) (*view)->AddRef();
    return S_OK;
}

STDMETHODIMP CExplorerBrowser::OnStateChange(IShellView* view, ULONG change) {
    m_owner.StateChange(view, change);
    return S_OK;
}

STDMETHODIMP CExplorerBrowser::IncludeObject(IShellView* view, PCUITEMID_CHILD item) {
    return m_owner.Include(view, item) ? S_OK : S_FALSE;
}

STDMETHODIMP CExplorerBrowser::GetViewFlags(DWORD* flags) {
    if (!flags) return E_POINTER;
    *flags = CDB2GVF_SHOWALLFILES;
    return S_OK;
}

STDMETHODIMP CExplorerBrowser::QueryService(REFGUID service, REFIID riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (service != kTopLevelBrowserService) return E_FAIL;
    return QueryInterface(riid, out);
}
