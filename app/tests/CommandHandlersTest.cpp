// No enabled command without a handler: on a real main frame, with no
// document, a text document and a binary (hex) document, every popup of the
// menu bar is prepared as the frame gets it (WM_INITMENUPOPUP, sub-menus
// too), and every enabled item and toolbar button is sent through the
// frame's own WM_COMMAND path under a command probe, which follows the
// forwarding to the document and its view and notes what would carry the
// command out, without carrying it out.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "CommandProbe.h"
#include "DocumentFrame.h"
#include "EncodingCodes.h"
#include "FrameTestEnvironment.h"
#include "MainFrame.h"
#include "TempFolder.h"
#include "resource.h"

namespace {

FrameTestEnvironment* const g_environment = static_cast<FrameTestEnvironment*>(
    ::testing::AddGlobalTestEnvironment(new FrameTestEnvironment));

struct EnabledCommand {
    UINT id;
    std::string where;  // the menu path or "toolbar", for the failure message
};

std::string ItemText(HMENU menu, int position) {
    char text[256] = "";
    ::GetMenuStringA(menu, position, text, sizeof(text), MF_BYPOSITION);
    return text;
}

// The popup prepared by the frame, then its enabled command items, and the
// same for each of its sub-menus.
void CollectEnabled(HWND frame, HMENU popup, int position, const std::string& path,
                    std::vector<EnabledCommand>& out) {
    ::SendMessageA(frame, WM_INITMENUPOPUP, (WPARAM)popup, MAKELPARAM(position, 0));
    const int count = ::GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE;
        if (!::GetMenuItemInfoA(popup, i, TRUE, &info)) continue;
        if (info.fType & MFT_SEPARATOR) continue;
        if (info.fState & MFS_DISABLED) continue;
        const std::string itemPath = path + " > " + ItemText(popup, i);
        if (info.hSubMenu) {
            CollectEnabled(frame, info.hSubMenu, i, itemPath, out);
        } else if (info.wID != 0) {
            out.push_back({info.wID, itemPath});
        }
    }
}

std::vector<EnabledCommand> EnabledMenuCommands(CMainFrame& frame) {
    std::vector<EnabledCommand> commands;
    HMENU bar = frame.Menu();
    const int count = ::GetMenuItemCount(bar);
    for (int i = 0; i < count; ++i) {
        if (HMENU popup = ::GetSubMenu(bar, i)) CollectEnabled(frame.m_hWnd, popup, i, ItemText(bar, i), commands);
    }
    return commands;
}

std::vector<EnabledCommand> EnabledToolbarCommands(CMainFrame& frame) {
    std::vector<EnabledCommand> commands;
    const HWND toolbar = frame.Toolbar();
    const int count = (int)::SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0);
    for (int i = 0; i < count; ++i) {
        TBBUTTON button{};
        if (!::SendMessageA(toolbar, TB_GETBUTTON, i, (LPARAM)&button)) continue;
        // A whole drop-down button sends TBN_DROPDOWN, never a command.
        if (button.fsStyle & (BTNS_SEP | BTNS_WHOLEDROPDOWN)) continue;
        if (!(button.fsState & TBSTATE_ENABLED)) continue;
        char text[256] = "";
        ::GetMenuStringA(frame.Menu(), button.idCommand, text, sizeof(text), MF_BYCOMMAND);
        commands.push_back({(UINT)button.idCommand, std::string("toolbar > ") + text});
    }
    return commands;
}

class CommandHandlersTest : public RealFrameTest {
protected:
    // Probes each command through the frame; the ones nothing answered.
    std::vector<std::string> Unhandled(const std::vector<EnabledCommand>& commands) {
        std::vector<std::string> unhandled;
        for (const EnabledCommand& command : commands) {
            CCommandProbe probe;
            m_frame->SendMessage(WM_COMMAND, MAKEWPARAM(command.id, 0), 0);
            if (!probe.Answered()) unhandled.push_back(command.where + " (" + std::to_string(command.id) + ")");
        }
        return unhandled;
    }

    void ExpectEveryEnabledCommandHandled(const char* situation) {
        SCOPED_TRACE(situation);
        m_frame->OnIdle();  // the toolbar's update-UI
        const std::vector<EnabledCommand> menu = EnabledMenuCommands(*m_frame);
        const std::vector<EnabledCommand> toolbar = EnabledToolbarCommands(*m_frame);
        // Something to probe at all: File > Open is always there and enabled.
        ASSERT_FALSE(menu.empty());
        for (const std::string& where : Unhandled(menu)) ADD_FAILURE() << "enabled, nothing handles it: " << where;
        for (const std::string& where : Unhandled(toolbar)) ADD_FAILURE() << "enabled, nothing handles it: " << where;
    }

    TempFolder m_files;
};

TEST_F(CommandHandlersTest, TheProbeAnswersWithoutRunningAndEndsWithItsScope) {
    m_files.Write("a.txt", "alpha");
    CDocumentFrame* document = m_frame->OpenDocument(m_files.File("a.txt").c_str(), kEncodingDefault, false);
    ASSERT_TRUE(document && document->GetEditor());
    CEditorView& view = *document->GetEditor();
    const auto lineCount = [&] { return view.Send(SCI_GETLINECOUNT); };
    {
        CCommandProbe probe;
        m_frame->SendMessage(WM_COMMAND, ID_EDIT_LINE_DUPLICATE, 0);
        EXPECT_TRUE(probe.Answered()) << "followed from the frame to the view";
        EXPECT_EQ(lineCount(), 1) << "the probe carried nothing out";
        probe.Reset();
        m_frame->SendMessage(WM_COMMAND, 0xFFF0, 0);
        EXPECT_FALSE(probe.Answered()) << "an id nothing knows is not answered";
    }
    m_frame->SendMessage(WM_COMMAND, ID_EDIT_LINE_DUPLICATE, 0);
    EXPECT_EQ(lineCount(), 2) << "without a probe the command runs again";
}

TEST_F(CommandHandlersTest, NoEnabledCommandIsLeftWithoutAHandler) {
    ExpectEveryEnabledCommandHandled("no document");

    m_files.Write("a.txt", "alpha beta\r\ngamma\r\n");
    CDocumentFrame* text = m_frame->OpenDocument(m_files.File("a.txt").c_str(), kEncodingDefault, false);
    ASSERT_TRUE(text && text->GetEditor());
    // Modified, with a selection and something to undo: the most items enabled.
    CEditorView& view = *text->GetEditor();
    view.Send(SCI_SETSEL, 0, 5);
    view.Send(SCI_REPLACESEL, 0, (sptr_t) "delta");
    view.Send(SCI_SETSEL, 0, 5);
    PumpFrameMessages();
    ExpectEveryEnabledCommandHandled("a text document");

    m_files.Write("b.bin", std::string(64, '\0'));
    CDocumentFrame* binary = m_frame->OpenDocument(m_files.File("b.bin").c_str(), kEncodingDefault, false);
    ASSERT_TRUE(binary);
    ASSERT_EQ(binary->Describe().kind, DocumentKind::Hex);
    PumpFrameMessages();
    ExpectEveryEnabledCommandHandled("a binary document");
}

}  // namespace
