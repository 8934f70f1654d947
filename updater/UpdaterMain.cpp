// The updater's start: which program it updates, the rerun from a
// temporary copy (so a package may replace the updater's own file), the
// installed version and the query.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <string>

#include "CabinetExtract.h"
#include "UpdaterContext.h"
#include "UpdaterQuery.h"
#include "UpdaterText.h"
#include "dovari_common/file_version.h"
#include "dovari_common/process_start.h"
#include "resource.h"

#ifndef VANTREL_UPDATE_HOST
#error "the build names the update server's host"
#endif

namespace vantrel {

namespace {

enum ExitCode : int { kExitDone = 0, kExitFailed = 1 };

constexpr char kIniName[] = "\\vantrel.ini";
constexpr char kIniSection[] = "UPDATE";
constexpr char kTemporaryName[] = "\\vantrel.tmp";

std::string ModulePath() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('\\');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

int RunFromTemporaryCopy(UpdaterContext& context) {
    const std::string temporary = context.folder + kTemporaryName;
    if (!::CopyFileA(ModulePath().c_str(), temporary.c_str(), FALSE)) {
        ShowUpdaterBox(context.instance, nullptr, IDS_UPDATE_COPY_FAILED, MB_OK | MB_ICONERROR);
        return kExitFailed;
    }
    // Quoted: in a folder with blanks the system would try each prefix.
    std::string command = "\"" + temporary + "\" /X";
    if (context.switches.silent) command += " /S";
    const bool ran = dovari_common::RunProcess(command.c_str(), nullptr, true);
    if (!ran) ShowUpdaterBox(context.instance, nullptr, IDS_UPDATE_START_FAILED, MB_OK | MB_ICONERROR, command.c_str());
    ::DeleteFileA(temporary.c_str());
    return ran ? kExitDone : kExitFailed;
}

}  // namespace

int UpdaterMain(HINSTANCE instance, const char* commandLine) {
    UpdaterContext context;
    context.instance = instance;
    std::vector<std::string> arguments = SplitArguments(commandLine ? commandLine : "");
    if (!arguments.empty()) arguments.erase(arguments.begin());  // the program itself
    context.switches = ParseUpdaterCommandLine(arguments);
    context.folder = FolderOf(ModulePath());

    const std::string ini = context.folder + kIniName;
    char fileName[40] = {};
    ::GetPrivateProfileStringA(kIniSection, "FileName", "", fileName, sizeof fileName, ini.c_str());
    context.fileName = fileName;
    context.productId = static_cast<int>(::GetPrivateProfileIntA(kIniSection, "ID", 0, ini.c_str()));
    if (context.fileName.empty()) {
        ShowUpdaterBox(instance, nullptr, IDS_UPDATE_BAD_INI, MB_OK | MB_ICONERROR, "FileName");
        return kExitDone;
    }
    if (context.productId == 0) {
        ShowUpdaterBox(instance, nullptr, IDS_UPDATE_BAD_INI, MB_OK | MB_ICONERROR, "ID");
        return kExitDone;
    }
    if (!context.switches.temporaryCopy) return RunFromTemporaryCopy(context);

    // Files an earlier update set aside are free now, and what an unfinished
    // run left half unpacked is of no use.
    RemoveSetAside(context.folder);
    DiscardStaging(context.folder);
    const std::string program = context.folder + "\\" + context.fileName;
    VS_FIXEDFILEINFO version{};
    if (!dovari_common::ReadFixedVersion(program.c_str(), &version)) {
        ShowUpdaterBox(instance, nullptr, IDS_UPDATE_BAD_INI, MB_OK | MB_ICONERROR, program.c_str());
        return kExitFailed;
    }
    context.installed = InstalledVersion(version.dwFileVersionMS, version.dwFileVersionLS);
    QueryLatestVersion(context, VANTREL_UPDATE_HOST);
    return kExitDone;
}

}  // namespace vantrel

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    ::CoInitialize(nullptr);
    const int code = vantrel::UpdaterMain(instance, ::GetCommandLineA());
    ::CoUninitialize();
    return code;
}
