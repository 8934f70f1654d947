// The options dialog opened by a real main frame's command: a colour picked
// on the editor page reaches the open document when OK ends the dialog.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "AppSettings.h"
#include "DocumentFrame.h"
#include "FrameTestEnvironment.h"
#include "Globals.h"
#include "MainFrame.h"
#include "ModalDialogDriver.h"
#include "PropertySets.h"
#include "ShippedFolder.h"
#include "ViewFixture.h"
#include "resource.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

class MainFrameOptionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_propertySets->Load(ShippedFolder());
        m_frame = std::make_unique<CMainFrame>();
        ASSERT_TRUE(m_frame->CreateMainWindow());
        g_mainFrame = m_frame.get();
        PumpMessagesFor(30);
    }
    void TearDown() override {
        m_frame->CloseAllDocuments(true);
        m_frame->DestroyWindow();
        PumpMessagesFor(30);
        g_mainFrame = nullptr;
        m_frame.reset();
        g_propertySets->Load(std::string());
    }
    CEditorView& Open(const char* name) {
        m_files.Write(name, "one\r\ntwo\r\n");
        CDocumentFrame* document = m_frame->OpenDocument(m_files.File(name).c_str(), 5, false);
        EXPECT_TRUE(document && document->GetEditor());
        return *document->GetEditor();
    }

    std::unique_ptr<CMainFrame> m_frame;
    TempFolder m_files;
};

TEST_F(MainFrameOptionsTest, OkRestylesTheOpenDocuments) {
    g_appSettings->EditorMask = kMaskHighlightLine;
    g_appSettings->HighLightColor = 0x123456;
    CEditorView& first = Open("a.txt");
    CEditorView& second = Open("b.cpp");
    ASSERT_EQ(0x123456, first.Send(SCI_GETCARETLINEBACK));

    DriveNextDialog([](HWND dialog) {
        HWND list = ::GetDlgItem(dialog, IDC_OPTIONS_LIST);
        ::SendMessageA(list, LB_SETCURSEL, 1, 0);  // the editor page
        ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_OPTIONS_LIST, LBN_SELCHANGE), (LPARAM)list);
        HWND page = nullptr;
        for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
            if (::IsWindowVisible(child) && ::GetDlgItem(child, IDC_EDITOR_LINE_COLOR)) page = child;
        ASSERT_TRUE(page);
        // The popup's loop reads the keys posted ahead: automatic -> cell 0 -> cell 1.
        for (WPARAM key : {VK_RIGHT, VK_RIGHT, VK_RETURN}) ::PostMessageA(page, WM_KEYDOWN, key, 1);
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_EDITOR_LINE_COLOR, BN_CLICKED),
                       (LPARAM)::GetDlgItem(page, IDC_EDITOR_LINE_COLOR));
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    m_frame->SendMessage(WM_COMMAND, ID_OPTIONS_GENERAL, 0);

    EXPECT_EQ(0x002AA5u, g_appSettings->HighLightColor);
    EXPECT_EQ(0x002AA5, first.Send(SCI_GETCARETLINEBACK));
    EXPECT_EQ(0x002AA5, second.Send(SCI_GETCARETLINEBACK));
}

}  // namespace
