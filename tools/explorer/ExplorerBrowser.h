#pragma once
// CExplorerBrowser: the shell browser that the explorer pane's folder view
// talks to. It lives inside the pane (its reference count starts at 1 and
// never frees it) and hands the view's questions to the pane.
#include <windows.h>
#include <shlobj.h>
#include <shobjidl.h>

// What the browser asks of the pane.
class IExplorerBrowserOwner {
public:
    virtual ~IExplorerBrowserOwner() = default;
    virtual HWND BrowserWindow() const = 0;
    virtual HWND BrowserToolbar() const = 0;
    virtual IShellView* ActiveView() const = 0;
    virtual HRESULT DefaultCommand(IShellView* view) = 0;
    virtual void StateChange(IShellView* view, ULONG change) = 0;
    virtual bool Include(IShellView* view, LPCITEMIDLIST item) = 0;
};

class CExplorerBrowser : public IShellBrowser, public ICommDlgBrowser2, public IServiceProvider {
public:
    explicit CExplorerBrowser(IExplorerBrowserOwner& owner) : m_owner(owner) {}
    virtual ~CExplorerBrowser() = default;
    IShellBrowser* Browser() { return this; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** out) override;
    STDMETHODIMP_(ULONG) AddRef() override { return ++m_references; }
    STDMETHODIMP_(ULONG) Release() override { return m_references > 1 ? --m_references : 1; }
    // IOleWindow
    STDMETHODIMP GetWindow(HWND* window) override;
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    // IShellBrowser
    STDMETHODIMP InsertMenusSB(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenuSB(HMENU, HOLEMENU, HWND) override { return E_NOTIMPL; }
    STDMETHODIMP RemoveMenusSB(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusTextSB(LPCWSTR) override { return S_OK; }
    STDMETHODIMP EnableModelessSB(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAcceleratorSB(MSG*, WORD) override { return S_FALSE; }
    // The pane navigates through its own controls and the default command.
    STDMETHODIMP BrowseObject(PCUIDLIST_RELATIVE, UINT) override { return S_OK; }
    STDMETHODIMP GetViewStateStream(DWORD, IStream**) override { return E_NOTIMPL; }
    STDMETHODIMP GetControlWindow(UINT id, HWND* window) override;
    STDMETHODIMP SendControlMsg(UINT, UINT, WPARAM, LPARAM, LRESULT* result) override;
    STDMETHODIMP QueryActiveShellView(IShellView** view) override;
    STDMETHODIMP OnViewWindowActive(IShellView*) override { return E_NOTIMPL; }
    STDMETHODIMP SetToolbarItems(LPTBBUTTONSB, UINT, UINT) override { return E_NOTIMPL; }
    // ICommDlgBrowser2
    STDMETHODIMP OnDefaultCommand(IShellView* view) override { return m_owner.DefaultCommand(view); }
    STDMETHODIMP OnStateChange(IShellView* view, ULONG change) override;
    STDMETHODIMP IncludeObject(IShellView* view, PCUITEMID_CHILD item) override;
    STDMETHODIMP Notify(IShellView*, DWORD) override { return S_FALSE; }
    STDMETHODIMP GetDefaultMenuText(IShellView*, LPWSTR, int) override { return S_FALSE; }
    STDMETHODIMP GetViewFlags(DWORD* flags) override;
    // IServiceProvider
    STDMETHODIMP QueryService(REFGUID service, REFIID riid, void** out) override;

private:
    IExplorerBrowserOwner& m_owner;
    ULONG m_references = 1;
};
