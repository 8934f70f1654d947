#include "UpdateDialog.h"

#include <windows.h>
#include <commctrl.h>
#include <urlmon.h>

#include <cstdio>

#include "CabinetExtract.h"
#include "UpdaterText.h"
#include "dovari_common/folder_chain.h"
#include "dovari_common/process_start.h"
#include "dovari_common/window_centre.h"
#include "resource.h"

namespace vantrel {

namespace {

// Posted by the worker when the marked program has started: the run is over.
constexpr UINT WM_UPDATE_DONE = WM_APP + 1;
// The request to close asks running editors to close for an update.
constexpr WPARAM kCloseForUpdate = 2;
constexpr DWORD kBroadcastFlags = 0xE2;
constexpr DWORD kEditorExitTimeoutMs = 60000;

std::string VersionText(const Version& v) {
    char text[48];
    std::snprintf(text, sizeof text, "%d.%d.%d", v.major, v.minor, v.build);
    return text;
}

void ShowProgress(HWND dialog, bool show) {
    ::ShowWindow(::GetDlgItem(dialog, IDC_UPDATE_PROGRESS), show ? SW_SHOW : SW_HIDE);
    ::ShowWindow(::GetDlgItem(dialog, IDC_UPDATE_PERCENT), show ? SW_SHOW : SW_HIDE);
}

// The download's status object: only progress matters; it lives on the
// worker's stack for the length of the download, so nothing counts references.
class DownloadStatusCallback : public IBindStatusCallback {
public:
    explicit DownloadStatusCallback(HWND dialog) : m_dialog(dialog) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        if (out) *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 0; }
    ULONG STDMETHODCALLTYPE Release() override { return 0; }
    HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG maximum, ULONG, LPCWSTR) override {
        ReportDownloadProgress(m_dialog, progress, maximum);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD*, BINDINFO*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return E_NOTIMPL; }

private:
    HWND m_dialog;
};

void InitUpdateDialog(HWND dialog, UpdaterContext& context) {
    dovari_common::CentreOnScreen(dialog);
    context.dialog = dialog;
    ::SetDlgItemTextA(dialog, IDC_UPDATE_OLD_VERSION, VersionText(context.installed).c_str());
    ::SetDlgItemTextA(dialog, IDC_UPDATE_NEW_VERSION, VersionText(context.package).c_str());
    const HWND combo = ::GetDlgItem(dialog, IDC_UPDATE_MIRRORS);
    for (const std::string& mirror : context.mirrors) ::SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)mirror.c_str());
    if (!context.mirrors.empty()) ::SendMessageA(combo, CB_SETCURSEL, 0, 0);
    AppendLog(dialog, context.reply.notes);
    ::SendDlgItemMessageA(dialog, IDC_UPDATE_PROGRESS, PBM_SETRANGE, 0, MAKELPARAM(0, 100));
}

// Downloads the package; false (with the box shown) when that failed.
bool DownloadPackage(HWND dialog, UpdaterContext& context, std::string& target) {
    char mirror[513] = {};
    const HWND combo = ::GetDlgItem(dialog, IDC_UPDATE_MIRRORS);
    const LRESULT selected = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
    if (selected != CB_ERR && ::SendMessageA(combo, CB_GETLBTEXTLEN, selected, 0) < (LRESULT)sizeof mirror)
        ::SendMessageA(combo, CB_GETLBTEXT, selected, (LPARAM)mirror);
    const std::string address = std::string(mirror) + context.reply.packageName;
    AppendLog(dialog, FormatUpdaterString(context.instance, IDS_UPDATE_DOWNLOADING, context.reply.packageName.c_str()));
    const std::string folder = context.folder + "\\update\\";
    dovari_common::CreateFolderChain(folder);
    target = folder + context.reply.packageName;
    AppendLog(dialog, FormatUpdaterString(context.instance, IDS_UPDATE_TARGET, target.c_str()));
    DownloadStatusCallback status(dialog);
    // An error page downloads "successfully" too: only a cabinet counts.
    const bool ok = SUCCEEDED(::URLDownloadToFileA(nullptr, address.c_str(), target.c_str(), 0, &status)) &&
                    LooksLikeCabinet(target);
    if (ok) return true;
    ShowProgress(dialog, false);
    if (context.mirrors.size() > 1) {
        ShowUpdaterBox(context.instance, dialog, IDS_UPDATE_TRY_MIRROR, MB_OK | MB_ICONERROR);
        ::EnableWindow(::GetDlgItem(dialog, IDOK), TRUE);
    } else {
        ShowUpdaterBox(context.instance, dialog, IDS_UPDATE_TRY_LATER, MB_OK | MB_ICONERROR);
    }
    return false;
}

// Closes the running editors, then unpacks; false (with the dialog shown
// again and the failure in its log) when a file could not be written.
bool InstallDownloadedPackage(HWND dialog, UpdaterContext& context, const std::string& cabinet) {
    ::SetDlgItemTextA(dialog, IDC_UPDATE_PERCENT, "100%");
    ::SendDlgItemMessageA(dialog, IDC_UPDATE_PROGRESS, PBM_SETPOS, 100, 0);
    AppendLog(dialog, LoadUpdaterString(context.instance, IDS_UPDATE_DOWNLOADED));
    ShowProgress(dialog, false);
    ShowUpdaterBox(context.instance, dialog, IDS_UPDATE_READY, MB_OK);
    ::SetWindowPos(dialog, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::ShowWindow(dialog, SW_HIDE);

    const std::string baseName = ProgramBaseName(context.fileName);
    const UINT closeMessage = ::RegisterWindowMessageA(baseName.c_str());
    DWORD recipients = BSM_APPLICATIONS;
    ::BroadcastSystemMessageA(kBroadcastFlags, &recipients, closeMessage, kCloseForUpdate, 0);
    // The request returns before the editors have ended; their files stay in
    // use until then.
    WaitForProgramToEnd(baseName, kEditorExitTimeoutMs);

    const ExtractResult result = ExtractPackage(cabinet, context.folder);
    RememberSetAside(context.folder, result.setAside);
    context.runPath = result.runPath;
    if (result.ok) return true;
    AppendLog(dialog, FormatUpdaterString(context.instance, IDS_UPDATE_EXTRACT_FAILED, result.failedFile.c_str(),
                                          static_cast<int>(result.error)));
    ::ShowWindow(dialog, SW_SHOW);
    return false;
}

DWORD WINAPI InstallWorker(void* parameter) {
    const HWND dialog = static_cast<HWND>(parameter);
    auto& context = *reinterpret_cast<UpdaterContext*>(::GetWindowLongPtrA(dialog, DWLP_USER));
    ::EnableWindow(::GetDlgItem(dialog, IDOK), FALSE);
    ShowProgress(dialog, true);
    std::string cabinet;
    if (!DownloadPackage(dialog, context, cabinet)) return 0;
    if (!InstallDownloadedPackage(dialog, context, cabinet)) return 0;
    if (context.runPath.empty()) return 0;
    const std::string command = "\"" + context.runPath + "\"";
    if (dovari_common::RunProcess(command.c_str(), nullptr, false)) {
        ::PostMessageA(dialog, WM_UPDATE_DONE, 0, 0);
        return 0;
    }
    ShowUpdaterBox(context.instance, dialog, IDS_UPDATE_START_FAILED, MB_OK | MB_ICONERROR, context.runPath.c_str());
    return 0;
}

}  // namespace

void AppendLog(HWND dialog, const std::string& text) {
    const HWND log = ::GetDlgItem(dialog, IDC_UPDATE_LOG);
    const int end = ::GetWindowTextLengthA(log);
    ::SendMessageA(log, EM_SETSEL, end, end);
    ::SendMessageA(log, EM_REPLACESEL, FALSE, (LPARAM)text.c_str());
}

void ReportDownloadProgress(HWND dialog, unsigned long progress, unsigned long maximum) {
    const int percent = DownloadPercent(progress, maximum);
    ::SendDlgItemMessageA(dialog, IDC_UPDATE_PROGRESS, PBM_SETPOS, percent, 0);
    char text[16];
    std::snprintf(text, sizeof text, "%d%%", percent);
    ::SetDlgItemTextA(dialog, IDC_UPDATE_PERCENT, text);
}

bool WaitForProgramToEnd(const std::string& mutexName, DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        HANDLE mutex = ::OpenMutexA(SYNCHRONIZE, FALSE, mutexName.c_str());
        if (!mutex) return true;
        ::CloseHandle(mutex);
        if (::GetTickCount() - start >= timeoutMs) return false;
        ::Sleep(100);
    }
}

INT_PTR CALLBACK UpdateDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* context = reinterpret_cast<UpdaterContext*>(::GetWindowLongPtrA(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
            InitUpdateDialog(dialog, *reinterpret_cast<UpdaterContext*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                DWORD id = 0;
                if (HANDLE thread = ::CreateThread(nullptr, 0, InstallWorker, dialog, 0, &id)) ::CloseHandle(thread);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                if (ShowUpdaterBox(context->instance, dialog, IDS_UPDATE_CANCEL, MB_YESNO | MB_ICONQUESTION) == IDYES)
                    ::EndDialog(dialog, IDCANCEL);
                return TRUE;
            }
            return FALSE;
        case WM_UPDATE_DONE:
            ::EndDialog(dialog, IDOK);
            return TRUE;
        default:
            return FALSE;
    }
}

void ShowUpdateDialog(UpdaterContext& context) {
    ::DialogBoxParamA(context.instance, MAKEINTRESOURCEA(IDD_UPDATE), nullptr, UpdateDialogProc, (LPARAM)&context);
    context.dialog = nullptr;
}

}  // namespace vantrel
