// The command pane in a real main frame: the processor's prompt in the
// pane's picture, lines typed into it, "initcmd.bat", Ctrl+C, "exit", the
// fit to the pane, and no processor left once the frame is gone.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "AppSettings.h"
#include "ConsolePane.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "MainFrame.h"
#include "resource.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

constexpr DWORD kPatienceMs = 20000;

// Pumps until the condition holds or the patience runs out; the console is
// read by the pane's own timer meanwhile.
bool PumpUntil(const std::function<bool()>& condition) {
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > kPatienceMs) return false;
        PumpMessages(1, 0);
        ::Sleep(20);
    }
    return true;
}

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }
std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (wchar_t c : text) narrow += c < 128 ? (char)c : '?';
    return narrow;
}

bool ProcessEnded(DWORD id) {
    HANDLE process = ::OpenProcess(SYNCHRONIZE, FALSE, id);
    if (!process) return true;
    const bool ended = ::WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    ::CloseHandle(process);
    return ended;
}

class ConsoleFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The test program starts with a console of its own; the pane makes its own.
        ::FreeConsole();
        ::DeleteFileA(InitBatchPath().c_str());
    }
    void TearDown() override {
        CloseFrame();
        ::DeleteFileA(InitBatchPath().c_str());
    }
    static std::string InitBatchPath() { return g_environment->folder->File("initcmd.bat"); }

    void OpenFrame() {
        m_frame = std::make_unique<CMainFrame>();
        ASSERT_TRUE(m_frame->CreateMainWindow());
        g_mainFrame = m_frame.get();
        PumpFrameMessages();
        ASSERT_TRUE(Pane());
        ASSERT_TRUE(Pane()->HasConsole());
        // Floating and wide, so that whole lines are in the picture.
        ASSERT_TRUE(Pane()->Float());
        ::SetWindowPos(Pane()->m_hWnd, nullptr, 0, 0, 1000, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        ASSERT_TRUE(PumpUntil([this] { return Text().find(L">") != std::wstring::npos; }))
            << "no prompt in " << Pane()->Screen().Width() << "x" << Pane()->Screen().Height() << ": " << Narrow(Text());
    }
    void CloseFrame() {
        if (m_frame && m_frame->IsWindow()) m_frame->DestroyWindow();
        PumpFrameMessages();
        g_mainFrame = nullptr;
        m_frame.reset();
    }
    CConsolePane* Pane() const { return m_frame->ConsolePane(); }
    std::wstring Text() const { return Pane()->Screen().Text(); }
    bool Shows(const std::wstring& line) const { return (L"\n" + Text()).find(L"\n" + line + L"\n") != std::wstring::npos; }
    bool WaitForLine(const std::string& line) {
        return PumpUntil([&] { return Shows(Wide(line)); });
    }
    // Types characters into the pane's view the way the keyboard does.
    void Type(const std::string& text) {
        for (char c : text) ::SendMessageA(Pane()->View(), WM_CHAR, (WPARAM)(unsigned char)c, 1);
    }

    std::unique_ptr<CMainFrame> m_frame;
};

TEST_F(ConsoleFrameTest, ShowsThePromptAndRunsSentLines) {
    ASSERT_NO_FATAL_FAILURE(OpenFrame());
    EXPECT_FALSE(::IsWindowVisible(::GetConsoleWindow())) << "the console's own window stays hidden";

    ASSERT_TRUE(Pane()->SendToConsole("echo hello"));
    EXPECT_TRUE(WaitForLine("hello")) << Narrow(Text());

    // A line that ends in a carriage return gets no second one: the next
    // command's prompt follows "ok" directly, with no empty prompt between.
    ASSERT_TRUE(Pane()->SendToConsole("echo ok\r"));
    ASSERT_TRUE(Pane()->SendToConsole("echo marker"));
    ASSERT_TRUE(WaitForLine("marker"));
    // The processor writes a blank line before each prompt.
    const std::wstring text = Text();
    size_t at = text.find(L"\nok\n");
    ASSERT_NE(std::wstring::npos, at);
    at += 4;
    while (at < text.size() && text[at] == L'\n') ++at;
    const std::wstring following = text.substr(at, text.find(L'\n', at) - at);
    EXPECT_NE(std::wstring::npos, following.find(L">echo marker")) << Narrow(text);
}

TEST_F(ConsoleFrameTest, KeysTypedIntoThePaneReachTheProcessor) {
    ASSERT_NO_FATAL_FAILURE(OpenFrame());
    Type("echo typed\r");
    EXPECT_TRUE(WaitForLine("typed")) << Narrow(Text());
}

TEST_F(ConsoleFrameTest, TheFramesShortcutsLeaveThePanesKeysAlone) {
    ASSERT_NO_FATAL_FAILURE(OpenFrame());
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    const BYTE saved = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    ::SetKeyboardState(keys);
    // Ctrl+C is the frame's Copy everywhere else, but the console's interrupt here.
    MSG atFrame{m_frame->m_hWnd, WM_KEYDOWN, 'C', 0x002E0001};
    MSG atPane{Pane()->View(), WM_KEYDOWN, 'C', 0x002E0001};
    const BOOL frameTook = m_frame->PreTranslateMessage(&atFrame);
    const BOOL paneTook = m_frame->PreTranslateMessage(&atPane);
    keys[VK_CONTROL] = saved;
    ::SetKeyboardState(keys);
    PumpFrameMessages();
    EXPECT_TRUE(frameTook);
    EXPECT_FALSE(paneTook);
}

TEST_F(ConsoleFrameTest, TheColoursAreBlackOnWhiteAndTheBufferIsAsWideAsTheScreen) {
    ASSERT_NO_FATAL_FAILURE(OpenFrame());
    const HANDLE output = Pane()->Processor()->Output();
    CONSOLE_SCREEN_BUFFER_INFO info{};
    ASSERT_TRUE(::GetConsoleScreenBufferInfo(output, &info));
    EXPECT_EQ(CConsolePane::kPaneColours, info.wAttributes & 0xFF);
    // Every cell of the picture, written or blank, black on white.
    const CConsoleScreen& screen = Pane()->Screen();
    ASSERT_GT(screen.Width(), 0);
    for (int y = 0; y < screen.Height(); ++y)
        for (int x = 0; x < screen.Width(); ++x)
            ASSERT_EQ(CConsolePane::kPaneColours, screen.Cell(x, y).Attributes & 0xFF) << x << "," << y;
    CONSOLE_FONT_INFO font{};
    ASSERT_TRUE(::GetCurrentConsoleFont(output, FALSE, &font));
    const COORD cell = ::GetConsoleFontSize(output, font.nFont);
    ASSERT_GT(cell.X, 0);
    const SHORT columns = (SHORT)(::GetSystemMetrics(SM_CXSCREEN) / cell.X);

    // Two pane widths: the buffer stays screen-wide, the console's window
    // shows as many cells as the view holds, so long lines scroll.
    for (int width : {300, 640}) {
        ::SetWindowPos(Pane()->m_hWnd, nullptr, 0, 0, width, 240, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        PumpFrameMessages();
        ASSERT_TRUE(::GetConsoleScreenBufferInfo(output, &info));
        EXPECT_EQ(columns, info.dwSize.X) << width;
        RECT client{};
        ::GetClientRect(Pane()->View(), &client);
        EXPECT_EQ(client.right / Pane()->ViewCellSize().cx, info.srWindow.Right - info.srWindow.Left + 1) << width;
        EXPECT_EQ(client.bottom / Pane()->ViewCellSize().cy, info.srWindow.Bottom - info.srWindow.Top + 1) << width;
        EXPECT_EQ(Pane()->Screen().Width(), info.srWindow.Right - info.srWindow.Left + 1) << width;
    }
}

TEST_F(ConsoleFrameTest, TheBatchFileRunsFirstAndTheProcessorStaysOpen) {
    std::string batch = "@echo initialised by batch\r\n";
    ::DeleteFileA(InitBatchPath().c_str());
    g_environment->folder->Write("initcmd.bat", batch);
    ASSERT_NO_FATAL_FAILURE(OpenFrame());
    EXPECT_TRUE(WaitForLine("initialised by batch"));
    ASSERT_TRUE(Pane()->SendToConsole("echo still open"));
    EXPECT_TRUE(WaitForLine("still open"));
    const std::wstring text = Text();
    EXPECT_LT(text.find(L"initialised by batch"), text.find(L"still open"));
}

TEST_F(ConsoleFrameTest, WithoutTheBatchFileAPlainPrompt) {
    ASSERT_NO_FATAL_FAILURE(OpenFrame());
    EXPECT_EQ(std::wstring::npos, Text().find(L"initialised")) ;
    EXPECT_EQ(std::wstring::npos, Pane()->Processor()->CommandLine().find(L"/K"));
}

TEST_F(ConsoleFrameTest, CtrlCLeavesTheEditorRunningAndThePaneUsable) {
    ASSERT_NO_FATAL_FAILURE(OpenFrame());
    // Ctrl+C typed into the pane reaches every process on the console, this
    // one included: without the pane's handler this test program would end here.
    const DWORD first = Pane()->Processor()->ProcessId();
    ::SendMessageA(Pane()->View(), WM_CHAR, 3, 1);
    // The processor answers with "^C" and a prompt, or (Wine's) ends and is
    // started again at the next line.
    ASSERT_TRUE(PumpUntil([&] { return ProcessEnded(first) || Text().find(L"^C") != std::wstring::npos; }));
    EXPECT_TRUE(m_frame->IsWindow());
    ASSERT_TRUE(Pane()->SendToConsole("echo after interrupt"));
    EXPECT_TRUE(WaitForLine("after interrupt")) << Narrow(Text());
}

TEST_F(ConsoleFrameTest, AfterExitTheNextLineStillRuns) {
    ASSERT_NO_FATAL_FAILURE(OpenFrame());
    const DWORD first = Pane()->Processor()->ProcessId();
    ASSERT_TRUE(Pane()->SendToConsole("exit"));
    ASSERT_TRUE(PumpUntil([&] { return ProcessEnded(first); }));
    ASSERT_TRUE(Pane()->SendToConsole("echo after exit"));
    EXPECT_TRUE(WaitForLine("after exit"));
    EXPECT_NE(first, Pane()->Processor()->ProcessId());
}

TEST_F(ConsoleFrameTest, AToolMarkedForThePaneIsTypedIntoItEvenAfterExit) {
    ASSERT_NO_FATAL_FAILURE(OpenFrame());
    // Bits 0 and 2: typed into the pane, which is shown; the folder is not used.
    const char section[] = "Echo=echo?tool ran|C:\\nowhere|?|5\0";
    ::WritePrivateProfileSectionA("TOOL", section, g_appSettings->iniPath);
    m_frame->RebuildToolsMenu();
    const DWORD first = Pane()->Processor()->ProcessId();
    ASSERT_TRUE(Pane()->SendToConsole("exit"));
    ASSERT_TRUE(PumpUntil([&] { return ProcessEnded(first); }));
    Pane()->Hide();
    m_frame->SendMessage(WM_COMMAND, ID_TOOL_FIRST);
    EXPECT_TRUE(WaitForLine("tool ran")) << Narrow(Text());
    EXPECT_TRUE(::IsWindowVisible(Pane()->m_hWnd));
    EXPECT_EQ(std::wstring::npos, Text().find(L"nowhere"));
    g_appSettings->ClearSection("TOOL");
}

TEST_F(ConsoleFrameTest, ClosingTheFrameEndsTheProcessorAndFreesTheConsole) {
    ASSERT_NO_FATAL_FAILURE(OpenFrame());
    // A command the processor starts is ended with it.
    ASSERT_TRUE(Pane()->SendToConsole("ping -n 60 127.0.0.1"));
    const DWORD processor = Pane()->Processor()->ProcessId();
    ASSERT_NE(0u, processor);
    CloseFrame();
    EXPECT_TRUE(ProcessEnded(processor));
    EXPECT_EQ(nullptr, ::GetConsoleWindow());
}

}  // namespace
