// The update check on a real main frame with a fake updater in the program
// folder that records its command line: the silent check at creation, the
// menu command, the options page's "check now", the quoted path, and the
// about box, whose HTML dialog this system cannot show.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

#include "AppSettings.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "MainFrame.h"
#include "ModalDialogDriver.h"
#include "UpdateCheck.h"
#include "UniqueHandle.h"
#include "resource.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

constexpr char kRecordName[] = "updater_command.txt";

std::string TestFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\'));
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

int32_t Today() { return DayNumber(std::time(nullptr)); }

int VisibleWindowsOfThisThread() {
    int count = 0;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM p) -> BOOL {
            if (::IsWindowVisible(window)) ++*reinterpret_cast<int*>(p);
            return TRUE;
        },
        (LPARAM)&count);
    return count;
}

class MainFrameUpdateTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_release.reset(::CreateEventA(nullptr, TRUE, FALSE, "TarnwickFakeUpdaterRelease"));
        ASSERT_TRUE(m_release);
        g_appSettings->EditorMask = 0;
        g_appSettings->LastUpdate = 0;
        g_appSettings->UpdateInterval = 3;
    }
    void TearDown() override {
        // The fake ends once released; it is waited for, so that the next
        // test's updater is not taken for this one.
        ::SetEvent(m_release.get());
        for (int i = 0; i < 200 && FakeRunning(); ++i) ::Sleep(50);
        EXPECT_FALSE(FakeRunning());
        if (m_frame) {
            m_frame->DestroyWindow();
            PumpFrameMessages();
            g_mainFrame = nullptr;
            m_frame.reset();
        }
        const std::string folder = g_appSettings->folder;
        for (const char* name : {kRecordName, "Vantrel.exe", "ABOUT.HTM", ini::kFileName})
            ::DeleteFileA((folder + "\\" + name).c_str());
    }

    static bool FakeRunning() {
        UniqueHandle running(::OpenMutexA(SYNCHRONIZE, FALSE, "TarnwickFakeUpdaterRunning"));
        return (bool)running;
    }
    // The fake updater, as the program folder holds the real one.
    static void InstallFake(const std::string& folder, const char* name = "Vantrel.exe") {
        ASSERT_TRUE(::CopyFileA((TestFolder() + "\\tarnwick_fake_updater.exe").c_str(), (folder + "\\" + name).c_str(),
                                FALSE));
    }
    void CreateFrame() {
        m_frame = std::make_unique<CMainFrame>();
        ASSERT_TRUE(m_frame->CreateMainWindow());
        g_mainFrame = m_frame.get();
        PumpFrameMessages();
    }
    void Command(UINT id) { m_frame->SendMessage(WM_COMMAND, id, 0); }

    // The command line the fake updater in folder recorded, waited for; the
    // fake is still running then (the editor did not wait for it).
    static std::string RecordedCommand(const std::string& folder) {
        const std::string record = folder + "\\" + kRecordName;
        for (int i = 0; i < 400 && !Exists(record); ++i) PumpMessagesFor(50);
        std::string text;
        if (FILE* f = std::fopen(record.c_str(), "rb")) {
            char buffer[1024];
            size_t n = std::fread(buffer, 1, sizeof(buffer), f);
            text.assign(buffer, n);
            std::fclose(f);
        }
        return text.empty() ? "(not started)" : text;
    }
    static int IniLastUpdate() { return g_appSettings->ReadInt(ini::kUpdate, ini::kLastUpdate, -1); }

    UniqueHandle m_release;
    std::unique_ptr<CMainFrame> m_frame;
};

std::string Quoted(const std::string& folder) { return "\"" + folder + "\\vantrel.exe\""; }

TEST_F(MainFrameUpdateTest, BitTwentyOneStartsASilentCheckAtCreation) {
    const std::string folder = g_appSettings->folder;
    InstallFake(folder);
    g_appSettings->EditorMask = kMaskUpdateAtStart;
    const int32_t before = Today();
    CreateFrame();
    EXPECT_EQ(Quoted(folder) + " /S", RecordedCommand(folder));
    EXPECT_TRUE(FakeRunning()) << "the editor went on without waiting";
    EXPECT_GE(IniLastUpdate(), before);
    EXPECT_LE(IniLastUpdate(), Today());
    EXPECT_EQ(IniLastUpdate(), g_appSettings->LastUpdate);
}

TEST_F(MainFrameUpdateTest, NoCheckAtCreationWhenNotDueOrNotAsked) {
    InstallFake(g_appSettings->folder);
    const struct {
        uint32_t mask;
        int32_t lastUpdate;
    } rows[] = {
        {kMaskUpdateAtStart, Today()},  // checked today already
        {0, 0},                         // never checked, but not asked to
    };
    for (const auto& row : rows) {
        g_appSettings->EditorMask = row.mask;
        g_appSettings->LastUpdate = row.lastUpdate;
        CreateFrame();
        // The day is written exactly when the check goes ahead.
        EXPECT_EQ(-1, IniLastUpdate()) << row.mask;
        EXPECT_EQ(row.lastUpdate, g_appSettings->LastUpdate);
        m_frame->DestroyWindow();
        PumpFrameMessages();
        m_frame.reset();
        g_mainFrame = nullptr;
    }
}

TEST_F(MainFrameUpdateTest, TheMenuCommandStartsItAskingTheUser) {
    const std::string folder = g_appSettings->folder;
    InstallFake(folder);
    g_appSettings->LastUpdate = Today();
    CreateFrame();
    Command(ID_HELP_CHECK_UPDATE);
    EXPECT_EQ(Quoted(folder), RecordedCommand(folder));
    EXPECT_TRUE(FakeRunning());
}

TEST_F(MainFrameUpdateTest, CheckNowOnTheUpdatePageForcesANonSilentCheck) {
    const std::string folder = g_appSettings->folder;
    InstallFake(folder);
    const int32_t today = Today();
    g_appSettings->LastUpdate = today;  // not due: only a forced check runs
    g_appSettings->UpdateInterval = 30;
    CreateFrame();
    bool enabled = false, found = false;
    DriveNextDialog([&](HWND dialog) {
        HWND list = ::GetDlgItem(dialog, IDC_OPTIONS_LIST);
        const int count = (int)::SendMessageA(list, LB_GETCOUNT, 0, 0);
        for (int item = 0; item < count && !found; ++item) {
            wchar_t text[64] = {};
            ::SendMessageW(list, LB_GETTEXT, item, (LPARAM)text);
            if (std::wstring(text) != L"自动升级") continue;
            found = true;
            ::SendMessageA(list, LB_SETCURSEL, item, 0);
            ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_LIST, LBN_SELCHANGE), (LPARAM)list);
        }
        for (HWND page = ::GetWindow(dialog, GW_CHILD); page; page = ::GetWindow(page, GW_HWNDNEXT)) {
            HWND button = ::GetDlgItem(page, IDC_UPDATE_CHECK_NOW);
            if (!button || !::IsWindowVisible(page)) continue;
            enabled = ::IsWindowEnabled(button) != FALSE;
            ::SendMessageA(button, BM_CLICK, 0, 0);
        }
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    Command(ID_OPTIONS_GENERAL);
    ASSERT_TRUE(found);
    EXPECT_TRUE(enabled);
    EXPECT_EQ(Quoted(folder), RecordedCommand(folder));
    EXPECT_GE(IniLastUpdate(), today) << "written on a forced check too";
}

// A program folder with a space: "C:\...\Program.exe" beside it must not be
// what starts.
TEST_F(MainFrameUpdateTest, AFolderWithSpacesStartsTheUpdaterNotAProgramBesideIt) {
    TempFolder root;
    const std::string folder = root.File("Program Files\\Tarnwick");
    ::CreateDirectoryA(root.File("Program Files").c_str(), nullptr);
    ::CreateDirectoryA(folder.c_str(), nullptr);
    InstallFake(folder);
    InstallFake(root.Path(), "Program.exe");
    CAppSettings* saved = g_appSettings;
    CAppSettings spaced(folder.c_str());
    g_appSettings = &spaced;
    CreateFrame();
    Command(ID_HELP_CHECK_UPDATE);
    const std::string recorded = RecordedCommand(folder);
    g_appSettings = saved;
    EXPECT_EQ(Quoted(folder), recorded);
    EXPECT_FALSE(Exists(root.File(kRecordName)));
    ::SetEvent(m_release.get());
    for (int i = 0; i < 200 && FakeRunning(); ++i) ::Sleep(50);
    for (const char* name : {"Program Files\\Tarnwick\\Vantrel.exe", "Program Files\\Tarnwick\\updater_command.txt",
                             "Program.exe"})
        ::DeleteFileA(root.File(name).c_str());
    ::RemoveDirectoryA(folder.c_str());
    ::RemoveDirectoryA(root.File("Program Files").c_str());
}

TEST_F(MainFrameUpdateTest, AMissingUpdaterStillRecordsTheCheck) {
    CreateFrame();
    RecordedMessageBoxes boxes;
    m_frame->CheckForUpdate(false, true);
    EXPECT_GE(IniLastUpdate(), 1);
    Command(ID_HELP_CHECK_UPDATE);
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_TRUE(::IsWindow(m_frame->m_hWnd));
}

TEST_F(MainFrameUpdateTest, TheAboutBoxShowsNothingWithoutTheHtmlLibrary) {
    CreateFrame();
    RecordedMessageBoxes boxes;
    const int windows = VisibleWindowsOfThisThread();
    Command(ID_APP_ABOUT);  // no page in the folder
    g_environment->folder->Write("ABOUT.HTM", "<html><body>Tarnwick</body></html>");
    Command(ID_APP_ABOUT);  // a page, but no MSHTML under this system
    PumpFrameMessages();
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(windows, VisibleWindowsOfThisThread());
    EXPECT_TRUE(::IsWindow(m_frame->m_hWnd));
}

}  // namespace
