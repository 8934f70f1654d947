// The updater as a program: started in a program folder of its own beside
// a fake editor, against the loopback update server. Its message boxes and
// its dialog are found on the desktop, read and answered as a person would.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "CabinetExtract.h"
#include "TempFolder.h"
#include "resource.h"

namespace {

const wchar_t kCaption[] = L"软件升级";

std::string Env(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string ProgramFolderOfTest() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\'));
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring Wide(const std::string& utf8) {
    std::wstring out(utf8.size(), L'\0');
    out.resize(::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), out.data(), (int)out.size()));
    return out;
}

std::string Narrow(const std::wstring& wide) {
    std::string out(wide.size() * 3, '\0');
    out.resize(::WideCharToMultiByte(CP_UTF8, 0, wide.data(), (int)wide.size(), out.data(), (int)out.size(), nullptr, nullptr));
    return out;
}

// Asked of the window itself: for another process's control the system's
// own text query answers only the text it was created with.
std::wstring WindowTextW(HWND window) {
    wchar_t text[1024] = {};
    ::SendMessageW(window, WM_GETTEXT, 1024, (LPARAM)text);
    return text;
}

// The first top-level window of the process (any process for 0) that
// passes the test, waited for.
HWND WaitForWindow(DWORD process, const std::function<bool(HWND)>& test, DWORD timeoutMs = 20000) {
    struct Search {
        DWORD process;
        const std::function<bool(HWND)>* test;
        HWND found = nullptr;
    } search{process, &test};
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < timeoutMs) {
        ::EnumWindows(
            [](HWND window, LPARAM p) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(p);
                DWORD owner = 0;
                ::GetWindowThreadProcessId(window, &owner);
                if ((s.process && owner != s.process) || !::IsWindowVisible(window)) return TRUE;
                char cls[32] = {};
                ::GetClassNameA(window, cls, sizeof cls);
                if (std::string(cls) != "#32770" || WindowTextW(window) != kCaption) return TRUE;
                if (!(*s.test)(window)) return TRUE;
                s.found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        ::Sleep(50);
    }
    return nullptr;
}

// A message box's text; its dialog has no mirror combo box.
bool IsBox(HWND window) { return ::GetDlgItem(window, IDC_UPDATE_MIRRORS) == nullptr; }
bool IsUpdateDialog(HWND window) { return ::GetDlgItem(window, IDC_UPDATE_MIRRORS) != nullptr; }

std::wstring BoxText(HWND box) {
    wchar_t text[1024] = {};
    ::GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return text;
}

// Waits for a box, answers it with the button and gives its text.
std::wstring AnswerBox(DWORD process, int button = IDOK) {
    const HWND box = WaitForWindow(process, IsBox);
    if (!box) return L"(no box)";
    const std::wstring text = BoxText(box);
    ::PostMessageA(box, WM_COMMAND, button, 0);
    return text;
}

// Starts the offered update with OK in the update dialog (it belongs to
// the temporary copy, another process) and answers the box that follows
// with OK; gives that box's text.
std::wstring AcceptTheUpdate() {
    const HWND dialog = WaitForWindow(0, IsUpdateDialog);
    if (!dialog) return L"(no update dialog)";
    DWORD copy = 0;
    ::GetWindowThreadProcessId(dialog, &copy);
    ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    return AnswerBox(copy);
}

class Process {
public:
    Process(const std::string& command, const std::string& folder) {
        STARTUPINFOA si{sizeof si};
        std::vector<char> line(command.begin(), command.end());
        line.push_back('\0');
        if (::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si, &m_info))
            ::CloseHandle(m_info.hThread);
    }
    ~Process() {
        if (!m_info.hProcess) return;
        if (::WaitForSingleObject(m_info.hProcess, 0) == WAIT_TIMEOUT) ::TerminateProcess(m_info.hProcess, 99);
        ::CloseHandle(m_info.hProcess);
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    bool Started() const { return m_info.hProcess != nullptr; }
    DWORD Id() const { return m_info.dwProcessId; }
    // The exit code, or STILL_ACTIVE when it did not end in time.
    DWORD Wait(DWORD timeoutMs = 30000) {
        if (::WaitForSingleObject(m_info.hProcess, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(m_info.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION m_info{};
};

class UpdaterProgram : public ::testing::Test {
protected:
    void SetUp() override {
        m_serverRoot = Env("UPDATER_SERVER_ROOT");
        m_serverLog = Env("UPDATER_SERVER_LOG");
        ASSERT_FALSE(m_serverRoot.empty());
        const std::string bin = ProgramFolderOfTest();
        ASSERT_TRUE(::CopyFileA((bin + "\\vantrel_loopback.exe").c_str(), Updater().c_str(), FALSE));
        ASSERT_TRUE(::CopyFileA((bin + "\\updater_fake_editor.exe").c_str(), m_folder.File("fake_editor.exe").c_str(), FALSE));
        WriteIni("FileName=fake_editor.exe\r\nID=7\r\n");
        ::DeleteFileA((m_serverRoot + "\\status.txt").c_str());
    }

    std::string Updater() const { return m_folder.File("Vantrel.exe"); }
    void WriteIni(const std::string& keys) const { m_folder.Write("vantrel.ini", "[UPDATE]\r\n" + keys); }
    void Reply(const std::string& text) const { std::ofstream(m_serverRoot + "\\reply.txt", std::ios::binary) << text; }
    std::vector<std::string> QueryLines() const {
        std::vector<std::string> lines;
        std::istringstream in(ReadAll(m_serverLog));
        for (std::string line; std::getline(in, line);)
            if (line.rfind("GET /version.asp", 0) == 0) lines.push_back(line);
        return lines;
    }
    Process Run(const std::string& switches) const {
        return Process("\"" + Updater() + "\"" + (switches.empty() ? "" : " " + switches), m_folder.Path());
    }
    // Runs the updater to its end where it has nothing to ask. Under heavy
    // parallel load Wine now and then fails a new process before any of its
    // code runs (STATUS_DLL_INIT_FAILED): such a start is made again.
    DWORD RunQuietly(const std::string& switches) const {
        constexpr DWORD kDllInitFailed = 0xC0000142;
        for (int attempt = 0;; ++attempt) {
            Process updater = Run(switches);
            const DWORD code = updater.Wait();
            if (code != kDllInitFailed || attempt == 2) return code;
        }
    }

    TempFolder m_folder;
    std::string m_serverRoot, m_serverLog;
};

TEST_F(UpdaterProgram, IniFaultsAreNamedInOneBox) {
    WriteIni("ID=7\r\n");
    {
        Process updater = Run("/X");
        EXPECT_EQ(AnswerBox(updater.Id()), L"无效的vantrel.ini，没有找到字段:FileName。");
        EXPECT_EQ(updater.Wait(), 0u);
    }
    WriteIni("FileName=fake_editor.exe\r\nID=0\r\n");
    {
        Process updater = Run("/X");
        EXPECT_EQ(AnswerBox(updater.Id()), L"无效的vantrel.ini，没有找到字段:ID。");
        EXPECT_EQ(updater.Wait(), 0u);
    }
    WriteIni("FileName=missing.exe\r\nID=7\r\n");
    {
        Process updater = Run("/X");
        const std::wstring expected = L"无效的vantrel.ini，没有找到字段:" + Wide(m_folder.File("missing.exe")) + L"。";
        EXPECT_EQ(AnswerBox(updater.Id()), expected);
        EXPECT_EQ(updater.Wait(), 1u) << "an unreadable installed version";
    }
}

TEST_F(UpdaterProgram, TheQueryReachesTheServerEachTimeAndAnOlderPackageIsQuietWhenSilent) {
    Reply("tarnwick_1.2.3.cab\nhttp://127.0.0.1/\n");
    const size_t before = QueryLines().size();
    for (int run = 0; run < 2; ++run) EXPECT_EQ(RunQuietly("/X /S"), 0u) << "silent: nothing to answer";
    const std::vector<std::string> lines = QueryLines();
    ASSERT_EQ(lines.size(), before + 2) << "no cached answer";
    const std::regex query(R"(GET /version\.asp\?id=7&mac=[0-9A-F]*&cpuid=[0-9A-F]{32} HTTP/1\.0)");
    EXPECT_TRUE(std::regex_match(lines.back(), query)) << lines.back();

    Process loud = Run("/X");
    EXPECT_EQ(AnswerBox(loud.Id()), L"没有可用的升级包。");
    EXPECT_EQ(loud.Wait(), 0u);
}

TEST_F(UpdaterProgram, AnErrorPageOrAReplyWithoutLineFeed) {
    std::ofstream(m_serverRoot + "\\status.txt") << "404";
    EXPECT_EQ(RunQuietly("/X /S"), 0u) << "the silent check ends without a box";
    {
        Process asked = Run("/X");
        EXPECT_EQ(AnswerBox(asked.Id()), L"无法检查升级：升级服务器回答状态404。") << "the user who asked is told";
        EXPECT_EQ(asked.Wait(), 0u);
    }
    ::DeleteFileA((m_serverRoot + "\\status.txt").c_str());
    Reply("tarnwick.cab\nhttp://127.0.0.1/\n");
    {
        Process asked = Run("/X");
        EXPECT_EQ(AnswerBox(asked.Id()), L"无法检查升级：升级服务器的回答无法识别。");
        EXPECT_EQ(asked.Wait(), 0u);
    }
    Reply("tarnwick_9.0.0.cab");
    Process updater = Run("/X /S");
    EXPECT_EQ(AnswerBox(updater.Id()), L"没有可用的升级包。") << "shown even when silent";
    EXPECT_EQ(updater.Wait(), 0u);
}

TEST_F(UpdaterProgram, WithoutSwitchesItRunsAndRemovesATemporaryCopy) {
    Reply("tarnwick_1.0.0.cab\nhttp://127.0.0.1/\n");
    const size_t before = QueryLines().size();
    EXPECT_EQ(RunQuietly("/S"), 0u);
    EXPECT_EQ(QueryLines().size(), before + 1) << "the copy asked the server";
    EXPECT_FALSE(Exists(m_folder.File("vantrel.tmp")));
}

TEST_F(UpdaterProgram, AFailedDownloadOffersAnotherMirrorOnlyWhenThereIsOne) {
    struct Case {
        const char* mirrors;
        const wchar_t* box;
        bool okAgain;
    } cases[] = {
        {"http://127.0.0.1:1/|http://127.0.0.1:2/", L"无法下载升级文件，请从其他下载地址下载升级包。", true},
        {"http://127.0.0.1:1/", L"无法下载升级文件，请稍候再试。", false},
    };
    for (const Case& c : cases) {
        Reply(std::string("tarnwick_9.0.0.cab\r\n") + c.mirrors + "\r\nnew things\r\n");
        Process updater = Run("/X");
        const HWND dialog = WaitForWindow(updater.Id(), IsUpdateDialog);
        ASSERT_TRUE(dialog);
        const HWND combo = ::GetDlgItem(dialog, IDC_UPDATE_MIRRORS);
        EXPECT_EQ(::SendMessageA(combo, CB_GETCOUNT, 0, 0), std::string(c.mirrors).find('|') != std::string::npos ? 2 : 1);
        EXPECT_EQ(::SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);
        EXPECT_EQ(WindowTextW(::GetDlgItem(dialog, IDC_UPDATE_NEW_VERSION)), L"9.0.0");
        EXPECT_EQ(WindowTextW(::GetDlgItem(dialog, IDC_UPDATE_OLD_VERSION)), L"1.2.3");
        EXPECT_NE(WindowTextW(::GetDlgItem(dialog, IDC_UPDATE_LOG)).find(L"new things"), std::wstring::npos);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(AnswerBox(updater.Id()), c.box) << c.mirrors;
        ::Sleep(200);
        EXPECT_EQ(::IsWindowEnabled(::GetDlgItem(dialog, IDOK)) != FALSE, c.okAgain) << c.mirrors;
        EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dialog, IDC_UPDATE_PROGRESS)));
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(AnswerBox(updater.Id(), IDYES), L"升级还没有完成，确定要取消吗?");
        EXPECT_EQ(updater.Wait(), 0u);
    }
}

TEST_F(UpdaterProgram, AnUpdateClosesTheEditorReplacesTheFilesAndStartsTheMarkedProgram) {
    ASSERT_TRUE(::CopyFileA((Env("UPDATER_FIXTURES") + "\\install.cab").c_str(),
                            (m_serverRoot + "\\tarnwick_9.0.0.cab").c_str(), FALSE));
    Process editor("\"" + m_folder.File("fake_editor.exe") + "\"", m_folder.Path());
    for (int i = 0; i < 100 && !Exists(m_folder.File("started.txt")); ++i) ::Sleep(50);
    ASSERT_TRUE(Exists(m_folder.File("started.txt")));
    m_folder.Write("sub\\dir\\a.txt", "old");

    Reply("tarnwick_9.0.0.cab\nhttp://127.0.0.1/\n");
    // Without switches: the first process holds Vantrel.exe while its copy
    // installs a package that carries a new one.
    Process updater = Run("");
    EXPECT_EQ(AcceptTheUpdate(), L"成功下载升级包，点击确定继续。如果提示保存文件，请先保存。");
    EXPECT_EQ(updater.Wait(90000), 0u);
    EXPECT_EQ(editor.Wait(5000), 0u) << "the editor was asked to close";
    for (int i = 0; i < 100 && !Exists(m_folder.File("marker.txt")); ++i) ::Sleep(50);
    EXPECT_EQ(ReadAll(m_folder.File("marker.txt")), "after the editor") << "unpacked only once the editor had gone";
    EXPECT_EQ(ReadAll(m_folder.File("sub\\dir\\a.txt")), "new a");
    EXPECT_EQ(ReadAll(m_folder.File("Vantrel.exe")), "new updater") << "the running updater was replaced";
    EXPECT_TRUE(Exists(m_folder.File("update\\tarnwick_9.0.0.cab")));
    EXPECT_FALSE(Exists(m_folder.File("second.txt.ran")));
}

// Run alone, before the loopback server starts.
TEST_F(UpdaterProgram, NoServerMeansNoNetwork) {
    Reply("tarnwick_9.0.0.cab\nhttp://127.0.0.1/\n");
    Process updater = Run("/X /S");
    EXPECT_EQ(AnswerBox(updater.Id()), L"无法连接到网络，请确认网络连接正常。");
    EXPECT_EQ(updater.Wait(), 0u);
}

TEST(UpdaterExtract, EntriesStayInsideTheFolderAndFailuresAreReported) {
    TempFolder parent;
    const std::string folder = parent.File("program");
    ::CreateDirectoryA(folder.c_str(), nullptr);
    std::ofstream(folder + "\\ok.txt") << "old, and longer than the new text";
    const vantrel::PackageStage result = vantrel::StagePackage(Env("UPDATER_FIXTURES") + "\\escape.cab", folder);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(ReadAll(folder + "\\ok.txt"), "old, and longer than the new text") << "nothing is touched while staging";
    EXPECT_TRUE(vantrel::InstallStagedPackage(result, folder).ok);
    EXPECT_EQ(ReadAll(folder + "\\ok.txt"), "new ok") << "an existing file is replaced";
    EXPECT_FALSE(Exists(parent.File("evil.txt"))) << "no entry lands outside the folder";
    EXPECT_EQ(result.runPath, folder + "\\first.txt") << "the first of two marked entries";

    // A folder in the way of an entry cannot be written over.
    const std::string blocked = parent.File("blocked");
    ::CreateDirectoryA(blocked.c_str(), nullptr);
    ::CreateDirectoryA((blocked + "\\ok.txt").c_str(), nullptr);
    const vantrel::PackageStage failed = vantrel::StagePackage(Env("UPDATER_FIXTURES") + "\\escape.cab", blocked);
    EXPECT_FALSE(failed.ok);
    EXPECT_NE(failed.error, 0u);
    EXPECT_NE(failed.failedFile.find("ok.txt"), std::string::npos) << failed.failedFile;
}

}  // namespace

namespace {

// The top-level window of the process whose class is cls, or the first
// child of that class below it, waited for.
HWND WaitForProcessWindow(DWORD process, const char* cls, bool child, DWORD timeoutMs = 30000) {
    struct Search {
        DWORD process;
        const char* cls;
        bool child;
        HWND found = nullptr;
    } search{process, cls, child};
    const DWORD start = ::GetTickCount();
    while (!search.found && ::GetTickCount() - start < timeoutMs) {
        ::EnumWindows(
            [](HWND window, LPARAM p) -> BOOL {
                auto& s = *reinterpret_cast<Search*>(p);
                DWORD owner = 0;
                ::GetWindowThreadProcessId(window, &owner);
                if (owner != s.process || !::IsWindowVisible(window)) return TRUE;
                char name[64] = {};
                ::GetClassNameA(window, name, sizeof name);
                if (!s.child) {
                    if (std::string(name) == s.cls) s.found = window;
                    return s.found ? FALSE : TRUE;
                }
                ::EnumChildWindows(
                    window,
                    [](HWND inner, LPARAM q) -> BOOL {
                        auto& t = *reinterpret_cast<Search*>(q);
                        char innerName[64] = {};
                        ::GetClassNameA(inner, innerName, sizeof innerName);
                        if (std::string(innerName) != t.cls || !::IsWindowVisible(inner)) return TRUE;
                        t.found = inner;
                        return FALSE;
                    },
                    p);
                return s.found ? FALSE : TRUE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (!search.found) ::Sleep(50);
    }
    return search.found;
}

// The real editor in a program folder of the shipped layout: the updater
// closes it (its save-modified dialog offers no Cancel), replaces its files
// and starts the package's marked program.
TEST_F(UpdaterProgram, TheRunningEditorIsClosedAndItsFilesReplaced) {
    const std::string bin = ProgramFolderOfTest();
    for (const char* name : {"Tarnwick.exe", "dovari.dll"})
        ASSERT_TRUE(::CopyFileA((bin + "\\" + name).c_str(), m_folder.File(name).c_str(), FALSE)) << name;
    WriteIni("FileName=Tarnwick.exe\r\nID=7\r\n");
    m_folder.Write("doc.txt", "hello");
    ASSERT_TRUE(::CopyFileA((Env("UPDATER_FIXTURES") + "\\editor.cab").c_str(),
                            (m_serverRoot + "\\tarnwick_9.0.0.cab").c_str(), FALSE));
    Reply("tarnwick_9.0.0.cab\nhttp://127.0.0.1/\n");

    Process editor("\"" + m_folder.File("Tarnwick.exe") + "\" \"" + m_folder.File("doc.txt") + "\"", m_folder.Path());
    ASSERT_TRUE(editor.Started());
    const HWND view = WaitForProcessWindow(editor.Id(), "languagewnd", true);  // the editor view
    ASSERT_TRUE(view) << "the editor shows the document";
    constexpr UINT kGetModify = 2159;  // the component's "is modified" query
    ::SendMessageA(view, WM_CHAR, 'x', 1);
    ASSERT_NE(::SendMessageA(view, kGetModify, 0, 0), 0) << "the document has an unsaved change";

    Process updater = Run("");
    EXPECT_EQ(AcceptTheUpdate(), L"成功下载升级包，点击确定继续。如果提示保存文件，请先保存。");

    // The editor asks about its unsaved document, without a way to refuse.
    const HWND ask = WaitForProcessWindow(editor.Id(), "#32770", false);
    ASSERT_TRUE(ask) << "the save-modified dialog";
    EXPECT_TRUE(::GetDlgItem(ask, IDNO));
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(ask, IDCANCEL))) << "no Cancel while updating";
    ::PostMessageA(ask, WM_COMMAND, IDNO, 0);

    EXPECT_EQ(editor.Wait(30000), 0u) << "the editor ended";
    EXPECT_EQ(updater.Wait(90000), 0u);
    for (int i = 0; i < 100 && !Exists(m_folder.File("marker.txt")); ++i) ::Sleep(50);
    EXPECT_EQ(ReadAll(m_folder.File("marker.txt")), "after the editor");
    // Compared whole but shown short: a fault would print a program file.
    const std::string editorFile = ReadAll(m_folder.File("Tarnwick.exe"));
    const std::string libraryFile = ReadAll(m_folder.File("dovari.dll"));
    EXPECT_TRUE(editorFile == "new editor") << editorFile.substr(0, 40) << " (" << editorFile.size() << " bytes)";
    EXPECT_TRUE(libraryFile == "new library") << libraryFile.substr(0, 40) << " (" << libraryFile.size() << " bytes)";
    EXPECT_EQ(ReadAll(m_folder.File("doc.txt")), "hello") << "No saved nothing";
}

}  // namespace

namespace {

// The files of a folder and below, by path relative to it, with their bytes.
using Snapshot = std::map<std::string, std::string>;

void Collect(const std::string& folder, const std::string& relative, Snapshot& out) {
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\" + relative + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            Collect(folder, relative + name + "\\", out);
        else
            out[relative + name] = ReadAll(folder + "\\" + relative + name);
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
}

// Which of the two versions a folder holds, named for the failure message.
std::string Which(const Snapshot& now, const Snapshot& old, const Snapshot& fresh) {
    if (now == old) return "old";
    if (now == fresh) return "new";
    std::string mixed = "mixed:";
    for (const auto& [name, bytes] : now) {
        const auto o = old.find(name);
        mixed += " " + name + (o != old.end() && o->second == bytes ? "(old)" : "(changed)");
    }
    for (const auto& [name, bytes] : old)
        if (!now.count(name)) mixed += " " + name + "(gone)";
    return mixed;
}

bool Ended(DWORD process, DWORD timeoutMs) {
    HANDLE handle = ::OpenProcess(SYNCHRONIZE, FALSE, process);
    if (!handle) return true;  // already gone
    const bool ended = ::WaitForSingleObject(handle, timeoutMs) == WAIT_OBJECT_0;
    ::CloseHandle(handle);
    return ended;
}

// The fake editor's window, and with it its process, when one runs.
HWND FakeEditorWindow(DWORD timeoutMs) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        if (HWND window = ::FindWindowA("UpdaterFakeEditor", nullptr)) return window;
        if (::GetTickCount() - start >= timeoutMs) return nullptr;
        ::Sleep(50);
    }
}

// An update over a program folder whose old version is known, with the
// package's files as the new one. Each test runs the whole update as a user
// would and then judges the folder: every file of it (the download folder
// and the fake programs' marks aside) is the whole old or the whole new
// version, nothing outside it changed, and the updater and its temporary
// copy have ended.
class UpdateInstall : public UpdaterProgram {
protected:
    void SetUp() override {
        UpdaterProgram::SetUp();
        if (HasFatalFailure()) return;
        m_folder.Write("lib.dll", "old library");
        m_folder.Write("data\\a.txt", "old a");
        m_folder.Write("zlocked.txt", "old locked");
        m_outside.Write("keep.txt", "outside");
        m_old = Files();
        m_new = m_old;
        m_new["lib.dll"] = "new library";
        m_new["data\\a.txt"] = "new a";
        m_new["data\\b.txt"] = "new b";
        m_new["marker.exe"] = ReadAll(ProgramFolderOfTest() + "\\updater_marker.exe");
    }
    void TearDown() override {
        // A copy that failed to end must not answer the next test's search.
        if (m_copy) {
            if (HANDLE copy = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, m_copy)) {
                if (::WaitForSingleObject(copy, 0) == WAIT_TIMEOUT) ::TerminateProcess(copy, 99);
                ::WaitForSingleObject(copy, 5000);
                ::CloseHandle(copy);
            }
        }
        // An editor the updater started again is ended here.
        if (HWND window = FakeEditorWindow(0)) {
            DWORD process = 0;
            ::GetWindowThreadProcessId(window, &process);
            ::PostMessageA(window, WM_CLOSE, 0, 0);
            Ended(process, 10000);
        }
    }

    Snapshot Files() const {
        Snapshot all;
        Collect(m_folder.Path(), "", all);
        Snapshot kept;
        for (auto& [name, bytes] : all) {
            const bool mark = name == "started.txt" || name == "closed.txt" || name == "gone.txt" || name == "marker.txt";
            if (!mark && name.rfind("update\\", 0) != 0) kept[name] = bytes;
        }
        return kept;
    }
    Snapshot Outside() const {
        Snapshot all;
        Collect(m_outside.Path(), "", all);
        all["victim"] = ReadAll("C:\\tarnwick-victim.txt");
        all["evil"] = Exists(m_folder.File("..\\evil.txt")) ? "there" : "";
        return all;
    }

    // Offers the fixture package as version 9.0.0; sent, when given, is how
    // many of its bytes the server sends before it closes.
    void Serve(const char* fixture, int sent = -1) {
        const std::string package = m_serverRoot + "\\tarnwick_9.0.0.cab";
        ASSERT_TRUE(::CopyFileA((Env("UPDATER_FIXTURES") + "\\" + fixture).c_str(), package.c_str(), FALSE));
        ::DeleteFileA((package + ".send").c_str());
        if (sent >= 0) std::ofstream(package + ".send") << sent;
        Reply("tarnwick_9.0.0.cab\nhttp://127.0.0.1/\n");
    }
    size_t PackageRequests() const {
        size_t count = 0;
        std::istringstream in(ReadAll(m_serverLog));
        for (std::string line; std::getline(in, line);)
            if (line.rfind("GET /tarnwick_9.0.0.cab", 0) == 0) ++count;
        return count;
    }

    void StartEditor() {
        m_editor = std::make_unique<Process>("\"" + m_folder.File("fake_editor.exe") + "\"", m_folder.Path());
        for (int i = 0; i < 100 && !Exists(m_folder.File("started.txt")); ++i) ::Sleep(50);
        ASSERT_TRUE(Exists(m_folder.File("started.txt")));
        ::DeleteFileA(m_folder.File("started.txt").c_str());
    }

    // Starts the updater as the editor does, presses the start button
    // (presses times, at once) and answers the box that follows; gives its
    // text and, in copy, the temporary copy's process.
    // meanwhile, when given, runs while that box is up.
    std::wstring Update(Process& updater, DWORD& copy, int presses = 1, const std::function<void()>& meanwhile = {}) {
        const HWND dialog = WaitForWindow(0, IsUpdateDialog);
        if (!dialog) return L"(no update dialog)";
        ::GetWindowThreadProcessId(dialog, &copy);
        m_copy = copy;
        for (int i = 0; i < presses; ++i) ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        const HWND box = WaitForWindow(copy, IsBox, 60000);
        if (!box) return L"(no box)";
        if (meanwhile) meanwhile();
        const std::wstring text = BoxText(box);
        ::PostMessageA(box, WM_COMMAND, IDOK, 0);
        // Gone before the next box is looked for, so it is not read twice.
        for (int i = 0; i < 100 && ::IsWindow(box); ++i) ::Sleep(50);
        return text;
    }

    // The dialog again, once the update came to its end; closing it ends the
    // run without a question.
    void CloseTheFinishedDialog(DWORD copy, const std::wstring& logHas) {
        const HWND dialog = WaitForWindow(copy, IsUpdateDialog, 30000);
        ASSERT_TRUE(dialog) << "the dialog shows the result";
        EXPECT_NE(WindowTextW(::GetDlgItem(dialog, IDC_UPDATE_LOG)).find(logHas), std::wstring::npos);
        EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(dialog, IDOK)));
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }

    // A refused package leaves the dialog up; Cancel ends the run.
    void CancelTheDialog(DWORD copy) {
        const HWND dialog = WaitForWindow(copy, IsUpdateDialog);
        ASSERT_TRUE(dialog);
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(AnswerBox(copy, IDYES), L"升级还没有完成，确定要取消吗?");
    }

    void ExpectEnded(Process& updater, DWORD copy) {
        EXPECT_EQ(updater.Wait(60000), 0u) << "the updater ended";
        EXPECT_TRUE(Ended(copy, 5000)) << "its temporary copy ended";
        EXPECT_FALSE(Exists(m_folder.File("vantrel.tmp")));
        EXPECT_FALSE(Exists(m_folder.File("update\\staging"))) << "no staging folder is left";
        EXPECT_FALSE(Exists(m_folder.File("update\\backup"))) << "no old files are left";
    }

    void ExpectEditorRunsAgain() {
        const HWND window = FakeEditorWindow(10000);
        EXPECT_TRUE(window) << "the editor that was closed runs again";
    }

    TempFolder m_outside;
    DWORD m_copy = 0;
    Snapshot m_old, m_new;
    std::unique_ptr<Process> m_editor;
};

const wchar_t kReady[] = L"成功下载升级包，点击确定继续。如果提示保存文件，请先保存。";

TEST_F(UpdateInstall, AGoodPackageInstallsWholeAndRunsItsMarkedProgram) {
    Serve("good.cab");
    StartEditor();
    const Snapshot outside = Outside();
    Process updater = Run("");
    DWORD copy = 0;
    EXPECT_EQ(Update(updater, copy), kReady);
    ExpectEnded(updater, copy);
    EXPECT_EQ(m_editor->Wait(5000), 0u) << "the editor was closed";
    for (int i = 0; i < 100 && !Exists(m_folder.File("marker.txt")); ++i) ::Sleep(50);
    EXPECT_EQ(ReadAll(m_folder.File("marker.txt")), "after the editor");
    EXPECT_EQ(Which(Files(), m_old, m_new), "new");
    EXPECT_EQ(Outside(), outside);
}

// Refused before anything is touched: the editor keeps running and the
// folder is the old version.
TEST_F(UpdateInstall, AnIncompleteOrDamagedPackageIsRefusedWithTheEditorRunning) {
    struct Case {
        const char* what;
        const char* fixture;
        int sent;
        const wchar_t* reason;
    } cases[] = {
        {"cut short on the wire", "good.cab", 150000, L"下载没有完成：收到150000字节"},
        {"a truncated file", "truncated.cab", -1, L"文件大小与升级包记录的大小不符"},
        {"damaged data", "damaged.cab", -1, L"升级包的数据已损坏"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Serve(c.fixture, c.sent);
        StartEditor();
        const Snapshot outside = Outside();
        Process updater = Run("");
        DWORD copy = 0;
        const std::wstring box = Update(updater, copy);
        EXPECT_NE(box.find(c.reason), std::wstring::npos) << Narrow(box);
        EXPECT_NE(box.find(L"程序仍是原来的版本1.2.3"), std::wstring::npos) << Narrow(box);
        CancelTheDialog(copy);
        ExpectEnded(updater, copy);
        EXPECT_EQ(m_editor->Wait(0), STILL_ACTIVE) << "the editor was not closed";
        EXPECT_FALSE(Exists(m_folder.File("closed.txt")));
        EXPECT_EQ(Which(Files(), m_old, m_new), "old");
        EXPECT_EQ(Outside(), outside);
        m_editor.reset();
    }
}

TEST_F(UpdateInstall, APackageCannotWriteTheSetAsideList) {
    std::ofstream("C:\\tarnwick-victim.txt") << "not the updater's";
    Serve("setaside.cab");
    StartEditor();
    const Snapshot outside = Outside();
    Process updater = Run("");
    DWORD copy = 0;
    EXPECT_EQ(Update(updater, copy), kReady);
    ExpectEnded(updater, copy);
    EXPECT_EQ(Which(Files(), m_old, m_new), "new") << "the rest of the package installs";
    EXPECT_EQ(ReadAll(m_folder.File("update\\setaside.txt")).find("victim"), std::string::npos);

    // A list that names other files, as if written by a package before: the
    // next start deletes none of them.
    m_folder.Write("update\\setaside.txt", "C:\\tarnwick-victim.txt\r\n" + m_outside.File("keep.txt") + "\r\n" +
                                               m_folder.File("lib.dll") + "\r\n..\\tarnwick-victim.txt\r\n");
    Reply("tarnwick_1.0.0.cab\nhttp://127.0.0.1/\n");
    EXPECT_EQ(RunQuietly("/S"), 0u);
    EXPECT_EQ(Outside(), outside);
    EXPECT_EQ(Which(Files(), m_old, m_new), "new");
    ::DeleteFileA("C:\\tarnwick-victim.txt");
}

TEST_F(UpdateInstall, WithoutAMarkedProgramTheResultIsShownAndTheEditorStartsAgain) {
    Serve("norun.cab");
    StartEditor();
    Process updater = Run("");
    DWORD copy = 0;
    EXPECT_EQ(Update(updater, copy), kReady);
    EXPECT_EQ(m_editor->Wait(10000), 0u) << "the editor was closed";
    CloseTheFinishedDialog(copy, L"升级完成，程序现在是版本9.0.0");
    ExpectEnded(updater, copy);
    ExpectEditorRunsAgain();
    EXPECT_EQ(Which(Files(), m_old, m_new), "new");
}

// A staged file lost after the editor was asked to close (a scanner took it,
// say): the files already put in place go back, and the user is told.
// (Holding an old file open without delete sharing would be the natural
// fault, but Wine 8 renames such a file all the same.)
TEST_F(UpdateInstall, AFailureWhileFilesArePutInPlaceBringsBackTheWholeOldVersion) {
    Serve("lockme.cab");
    StartEditor();
    const Snapshot outside = Outside();
    Process updater = Run("");
    DWORD copy = 0;
    EXPECT_EQ(Update(updater, copy, 1, [this] {
                  EXPECT_TRUE(::DeleteFileA(m_folder.File("update\\staging\\zlocked.txt").c_str()));
              }),
              kReady);
    const std::wstring box = AnswerBox(copy);
    EXPECT_NE(box.find(L"无法安装文件" + Wide(m_folder.File("zlocked.txt"))), std::wstring::npos) << Narrow(box);
    EXPECT_NE(box.find(L"程序仍是原来的版本1.2.3"), std::wstring::npos) << Narrow(box);
    EXPECT_EQ(box.find(L"错误0"), std::wstring::npos) << "the system's reason, not a zero";
    CloseTheFinishedDialog(copy, L"已恢复原来的文件");
    ExpectEnded(updater, copy);
    ExpectEditorRunsAgain();
    EXPECT_EQ(Which(Files(), m_old, m_new), "old");
    EXPECT_EQ(Outside(), outside);
}

TEST_F(UpdateInstall, ASecondPressStartsNothing) {
    Serve("good.cab");
    StartEditor();
    Process updater = Run("");
    DWORD copy = 0;
    const size_t before = PackageRequests();
    EXPECT_EQ(Update(updater, copy, 2), kReady);
    ExpectEnded(updater, copy);
    EXPECT_EQ(PackageRequests(), before + 1) << "one download";
    EXPECT_EQ(Which(Files(), m_old, m_new), "new");
}

}  // namespace
