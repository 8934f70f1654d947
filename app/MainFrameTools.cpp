// The user tools of the Tools menu (ID_TOOL_FIRST to ID_TOOL_LAST): the items and
// shortcuts built from the "TOOL" section, their enable state, and running
// one in the command pane or as a process the editor waits for.
#include <cstdio>

#include "AppSettings.h"
#include "ConsolePane.h"
#include "DocumentFrame.h"
#include "DocumentMacros.h"
#include "Globals.h"
#include "Keymap.h"
#include "MainFrame.h"
#include "ResourceText.h"
#include "ToolEntry.h"
#include "UiSeams.h"
#include "dovari_common/process_start.h"

namespace {

std::string ToolName(const ToolLine& line) {
    if (line.parsed) return line.entry.name;
    return line.text.substr(0, line.text.find('='));
}

// A tool's command line is one command, however many blocks it took.
void AppendBlock(const char* text, int length, void* param, void*) {
    static_cast<std::string*>(param)->append(text, (size_t)length);
}

}  // namespace

int CMainFrame::BuildToolsMenu(std::vector<ACCEL>* accelerators) {
    const HMENU menu = m_menuPopups[MENU_POS_TOOLS];
    if (!menu) return 0;
    for (UINT id = ID_TOOL_FIRST; id <= ID_TOOL_LAST; ++id) {
        if (!::DeleteMenu(menu, id, MF_BYCOMMAND)) break;
    }
    // The separator the tools put above the menu's own items.
    if (!m_tools.empty()) ::DeleteMenu(menu, 0, MF_BYPOSITION);
    m_tools.clear();
    if (!g_appSettings) return 0;

    int added = 0;
    for (const ToolLine& line : ReadToolLines(*g_appSettings)) {
        // Room for 80: the rest are left out.
        if ((int)m_tools.size() == kMaxTools) break;
        const UINT id = ID_TOOL_FIRST + (UINT)m_tools.size();
        if (m_tools.empty()) ::InsertMenuA(menu, 0, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        std::string text = ToolName(line).substr(0, kToolTextLimit);
        // A line that does not parse is shown, but cannot run.
        ::InsertMenuA(menu, (UINT)m_tools.size(), MF_BYPOSITION | MF_STRING | (line.parsed ? 0 : MF_GRAYED), id,
                      text.c_str());
        m_tools.push_back(line);
        if (!accelerators || !line.parsed) continue;
        for (const ACCEL& accel : ParseToolKeys(line.entry.keys, (WORD)id)) {
            if ((size_t)added == kMaxToolAccelerators) break;
            accelerators->push_back(accel);
            ++added;
        }
    }
    return added;
}

void CMainFrame::RebuildToolsMenu() {
    std::vector<ACCEL> shortcuts;
    BuildToolsMenu(&shortcuts);
    LoadKeymap(shortcuts);
}

void CMainFrame::UpdateToolItems(HMENU popup, const std::string& documentPath) {
    for (size_t k = 0; k < m_tools.size(); ++k) {
        const bool enabled = m_tools[k].parsed && ToolAppliesTo(m_tools[k].entry, documentPath);
        ::EnableMenuItem(popup, ID_TOOL_FIRST + (UINT)k, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
    }
}

LRESULT CMainFrame::OnTool(WORD, WORD id, HWND, bool&) {
    RunTool(id);
    return 0;
}

void CMainFrame::RunTool(UINT id) {
    const size_t k = id - ID_TOOL_FIRST;
    if (id < ID_TOOL_FIRST || k >= m_tools.size() || !g_appSettings) return;
    // Read again: the tool may have changed or gone since the menu was built.
    const std::vector<ToolLine> lines = ReadToolLines(*g_appSettings);
    if (k >= lines.size() || !lines[k].parsed || lines[k].entry.name != ToolName(m_tools[k])) return;
    const ToolEntry& tool = lines[k].entry;

    IFrameDocument* active = FrameDocumentOf(GetActiveMdiChild());
    const std::string activePath = active ? active->Describe().path : std::string();
    CDocumentFrame* document = nullptr;
    if (tool.flags & kToolNeedsDocument) {
        document = CDocumentFrame::FromWindow(GetActiveMdiChild());
        if (!document || !ToolAppliesTo(tool, activePath)) return;
        if (document->IsModified()) {
            bool save = (tool.flags & kToolSavesWithoutAsking) != 0;
            if (!save) {
                const int answer = ShowMessage(m_hWnd, FormatText(IDS_TOOL_SAVE_FIRST, {activePath, tool.name}),
                                               MB_YESNOCANCEL | MB_ICONWARNING);
                if (answer == IDCANCEL) return;
                save = answer == IDYES;
            }
            // A failed save stops the tool: it would work on the old file.
            if (save && !document->Save()) return;
        }
    }

    char expanded[kToolTextLimit];
    const DWORD length = ::ExpandEnvironmentStringsA(tool.command.c_str(), expanded, sizeof(expanded));
    // Longer than the room: nothing runs rather than a command cut short.
    if (length == 0 || length > sizeof(expanded)) return;
    PackBuf* buffer = m_packBuf.get();
    if (!buffer) return;
    ::PackBufReset(buffer);
    if (!ExpandMacros(buffer, expanded, DocumentMacroSources(*g_appSettings, activePath))) return;
    std::string command;
    ::DumpPackBuf(buffer, AppendBlock, &command, nullptr);
    if (!command.empty()) RunToolCommand(command, tool, document);
}

void CMainFrame::RunToolCommand(const std::string& text, const ToolEntry& tool, CDocumentFrame* document) {
    const std::string command = ToolCommandLine(text);
    if (tool.flags & kToolInConsole) {
        if (tool.flags & kToolShowsConsole) ShowPane(ID_PANE_CONSOLE);
        if (m_consolePane) m_consolePane->SendToConsole(command.c_str());
        return;
    }
    const HWND documentWindow = document ? document->m_hWnd : nullptr;
    // Painting and sent messages go on while the tool runs; input waits.
    ::EnableWindow(m_hWnd, FALSE);
    const BOOL started =
        dovari_common::RunProcess(command.c_str(), tool.folder.empty() ? nullptr : tool.folder.c_str(), true);
    ::EnableWindow(m_hWnd, TRUE);
    if (!started || !documentWindow || CDocumentFrame::FromWindow(documentWindow) != document) return;
    // Quietly only over a document without unsaved changes: they would be lost.
    const uint32_t quiet = kToolNeedsDocument | kToolReloadsQuietly;
    if ((tool.flags & quiet) == quiet && !document->IsModified()) {
        if (document->CheckFile(true)) document->Reload();
    } else {
        document->CheckFile(false);
    }
}
