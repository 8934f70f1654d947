#include "UpdateDialog.h"

#include <windows.h>
#include <commctrl.h>
#include <urlmon.h>

#include <cstdio>
#include <string>

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
// It keeps the largest total announced, the length the server gave.
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
        if (maximum > m_expected) m_expected = maximum;
        ReportDownloadProgress(m_dialog, progress, maximum);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD*, BINDINFO*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return E_NOTIMPL; }

    // The length announced, 0 when none was.
    ULONG Expected() const { return m_expected; }

private:
    HWND m_dialog;
    ULONG m_expected = 0;
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

// After a download or a package that failed: another mirror may be tried
// when there is one.
void OfferAnotherTry(HWND dialog, UpdaterContext& context) {
    ShowProgress(dialog, false);
    if (context.mirrors.size() > 1) {
        ::EnableWindow(::GetDlgItem(dialog, IDOK), TRUE);
        context.working = false;
    }
}

// Tells the user, in the log and in a box, why nothing was installed.
void Report(HWND dialog, UpdaterContext& context, const std::string& text) {
    AppendLog(dialog, "\r\n" + text + "\r\n");
    ShowUpdaterText(context.instance, dialog, text, MB_OK | MB_ICONERROR);
}

// A package that is not used: why, and that the program is as it was.
void RefusePackage(HWND dialog, UpdaterContext& context, const std::string& cabinet, const std::string& reason) {
    ::DeleteFileA(cabinet.c_str());
    Report(dialog, context, FormatUpdaterString(context.instance, IDS_UPDATE_REFUSED,
                                                {context.reply.packageName, reason, VersionText(context.installed)}));
    OfferAnotherTry(dialog, context);
}

unsigned long long FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// Downloads the package; false (with the box shown) when that failed or
// less arrived than the server announced.
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
    if (SUCCEEDED(::URLDownloadToFileA(nullptr, address.c_str(), target.c_str(), 0, &status))) {
        // A connection closed early still ends "successfully".
        const unsigned long long got = FileSize(target);
        if (status.Expected() == 0 || got == status.Expected()) return true;
        const std::string reason =
            FormatUpdaterString(context.instance, IDS_UPDATE_SHORT_DOWNLOAD,
                                {std::to_string(got), std::to_string(static_cast<unsigned long>(status.Expected()))});
        RefusePackage(dialog, context, target, reason);
        return false;
    }
    ShowProgress(dialog, false);
    ShowUpdaterBox(context.instance, dialog, context.mirrors.size() > 1 ? IDS_UPDATE_TRY_MIRROR : IDS_UPDATE_TRY_LATER,
                   MB_OK | MB_ICONERROR);
    OfferAnotherTry(dialog, context);
    return false;
}

UINT FaultText(CabinetFault fault) {
    switch (fault) {
        case kNotACabinet: return IDS_UPDATE_NOT_CABINET;
        case kCabinetSizeDiffers: return IDS_UPDATE_SIZE_DIFFERS;
        case kCabinetBadChecksum: return IDS_UPDATE_BAD_CHECKSUM;
        case kCabinetSpans: return IDS_UPDATE_SPANS;
        case kCabinetCutShort:
        case kCabinetSound: break;
    }
    return IDS_UPDATE_CUT_SHORT;
}

// Unpacks the whole package into the staging folder and checks it, with the
// editor still running; false (with the reason told) when it cannot be used.
bool StageDownloadedPackage(HWND dialog, UpdaterContext& context, const std::string& cabinet, PackageStage& stage) {
    stage = StagePackage(cabinet, context.folder);
    if (stage.ok) return true;
    if (stage.fault != kCabinetSound) {
        // An error page or a damaged package: not the package the server offered.
        RefusePackage(dialog, context, cabinet, LoadUpdaterString(context.instance, FaultText(stage.fault)));
        return false;
    }
    Report(dialog, context, FormatUpdaterString(context.instance, IDS_UPDATE_UNPACK_FAILED,
                                                {stage.failedFile, SystemErrorText(stage.error),
                                                 VersionText(context.installed)}));
    OfferAnotherTry(dialog, context);
    return false;
}

void StartEditorAgain(UpdaterContext& context) {
    const std::string command = "\"" + context.folder + "\\" + context.fileName + "\"";
    dovari_common::RunProcess(command.c_str(), context.folder.c_str(), false);
}

// The end of an update that does not hand over to a marked program: the
// dialog comes back with the result, and the user closes it.
void Finish(HWND dialog, UpdaterContext& context, const std::string& failure) {
    context.finished = true;
    ShowProgress(dialog, false);
    ::EnableWindow(::GetDlgItem(dialog, IDOK), FALSE);
    ::ShowWindow(dialog, SW_SHOW);
    ::SetForegroundWindow(dialog);
    if (!failure.empty()) Report(dialog, context, failure);
}

// Closes the running editors and puts the staged files in place. Whatever
// happens, the program folder then holds one whole version, the editor runs
// again unless the package's marked program takes over, and the user learns
// which version it is.
void InstallDownloadedPackage(HWND dialog, UpdaterContext& context, const PackageStage& stage) {
    ::SetDlgItemTextA(dialog, IDC_UPDATE_PERCENT, "100%");
    ::SendDlgItemMessageA(dialog, IDC_UPDATE_PROGRESS, PBM_SETPOS, 100, 0);
    AppendLog(dialog, LoadUpdaterString(context.instance, IDS_UPDATE_DOWNLOADED));
    ShowProgress(dialog, false);
    ShowUpdaterBox(context.instance, dialog, IDS_UPDATE_READY, MB_OK);
    ::SetWindowPos(dialog, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ::ShowWindow(dialog, SW_HIDE);

    const std::string baseName = ProgramBaseName(context.fileName);
    bool editorWasRunning = false;
    if (HANDLE mutex = ::OpenMutexA(SYNCHRONIZE, FALSE, baseName.c_str())) {
        editorWasRunning = true;
        ::CloseHandle(mutex);
    }
    const UINT closeMessage = ::RegisterWindowMessageA(baseName.c_str());
    DWORD recipients = BSM_APPLICATIONS;
    ::BroadcastSystemMessageA(kBroadcastFlags, &recipients, closeMessage, kCloseForUpdate, 0);
    // The request returns before the editors have ended; their files stay in
    // use until then.
    if (!WaitForProgramToEnd(baseName, kEditorExitTimeoutMs)) {
        DiscardStaging(context.folder);
        Finish(dialog, context, FormatUpdaterString(context.instance, IDS_UPDATE_EDITOR_BUSY,
                                                    {context.fileName, VersionText(context.installed)}));
        return;
    }

    const InstallResult result = InstallStagedPackage(stage, context.folder);
    if (!result.ok) {
        const std::string error = SystemErrorText(result.error);
        const std::string text =
            result.restored
                ? FormatUpdaterString(context.instance, IDS_UPDATE_INSTALL_FAILED,
                                      {result.failedFile, error, VersionText(context.installed)})
                : FormatUpdaterString(context.instance, IDS_UPDATE_RESTORE_FAILED,
                                      {result.failedFile, error, context.folder + "\\" + kBackupFolder,
                                       VersionText(context.installed)});
        if (editorWasRunning) StartEditorAgain(context);
        Finish(dialog, context, text);
        return;
    }
    AppendLog(dialog, FormatUpdaterString(context.instance, IDS_UPDATE_INSTALLED, VersionText(context.package).c_str()));
    context.runPath = stage.runPath;
    if (!context.runPath.empty()) {
        const std::string command = "\"" + context.runPath + "\"";
        if (dovari_common::RunProcess(command.c_str(), nullptr, false)) {
            ::PostMessageA(dialog, WM_UPDATE_DONE, 0, 0);
            return;
        }
    }
    if (editorWasRunning) StartEditorAgain(context);
    Finish(dialog, context, "");
    if (!context.runPath.empty())
        ShowUpdaterBox(context.instance, dialog, IDS_UPDATE_START_FAILED, MB_OK | MB_ICONERROR, context.runPath.c_str());
}

DWORD WINAPI InstallWorker(void* parameter) {
    const HWND dialog = static_cast<HWND>(parameter);
    auto& context = *reinterpret_cast<UpdaterContext*>(::GetWindowLongPtrA(dialog, DWLP_USER));
    ShowProgress(dialog, true);
    std::string cabinet;
    if (!DownloadPackage(dialog, context, cabinet)) return 0;
    PackageStage stage;
    if (!StageDownloadedPackage(dialog, context, cabinet, stage)) return 0;
    InstallDownloadedPackage(dialog, context, stage);
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
                // Disabled here, before the worker runs: a second press that
                // is already queued must not start a second worker.
                if (context->working.exchange(true) || context->finished) return TRUE;
                ::EnableWindow(::GetDlgItem(dialog, IDOK), FALSE);
                DWORD id = 0;
                if (HANDLE thread = ::CreateThread(nullptr, 0, InstallWorker, dialog, 0, &id)) {
                    ::CloseHandle(thread);
                } else {
                    context->working = false;
                    ::EnableWindow(::GetDlgItem(dialog, IDOK), TRUE);
                }
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                if (context->finished) {
                    ::EndDialog(dialog, IDOK);
                    return TRUE;
                }
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
