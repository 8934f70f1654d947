// The main frame's accelerator table: "keymap.key" in the program folder,
// or the built-in shortcuts (accelerator resource 1) when that file is
// missing or not valid, followed by the user tools' shortcuts; and the
// shortcut column of the menus, written from the same entries.
#include <cstring>

#include "AppSettings.h"
#include "Globals.h"
#include "Keymap.h"
#include "MainFrame.h"

namespace {

constexpr int kMenuTextSize = 256;

std::vector<ACCEL> ResourceAccelerators() {
    std::vector<ACCEL> entries;
    HACCEL table = ::LoadAcceleratorsA(g_instance, MAKEINTRESOURCEA(IDR_ACCEL_MAIN));
    if (!table) return entries;
    const int count = ::CopyAcceleratorTableA(table, nullptr, 0);
    if (count > 0) {
        entries.resize(static_cast<size_t>(count));
        entries.resize(static_cast<size_t>(::CopyAcceleratorTableA(table, entries.data(), count)));
    }
    ::DestroyAcceleratorTable(table);
    return entries;
}

// The item text of a command anywhere in the menu; false when there is none.
bool GetCommandText(HMENU menu, UINT command, char (&text)[kMenuTextSize]) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = kMenuTextSize;
    text[0] = '\0';
    if (!::GetMenuItemInfoA(menu, command, FALSE, &info)) return false;
    return (info.fType & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW)) == 0;
}

void SetItemText(HMENU menu, UINT item, BOOL byPosition, const std::string& text) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<char*>(text.c_str());
    ::SetMenuItemInfoA(menu, item, byPosition, &info);
}

std::string UpToTab(const char* text) {
    const char* tab = std::strchr(text, '\t');
    return tab ? std::string(text, tab) : std::string(text);
}

// Every item's shortcut text is cut off, so that a shortcut the key file no
// longer has does not stay in the menu.
void ClearMenuShortcuts(HMENU menu) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[kMenuTextSize] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STRING | MIIM_FTYPE | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = kMenuTextSize;
        if (!::GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
        if (info.hSubMenu) {
            ClearMenuShortcuts(info.hSubMenu);
        } else if (!(info.fType & (MFT_SEPARATOR | MFT_BITMAP | MFT_OWNERDRAW)) && std::strchr(text, '\t')) {
            SetItemText(menu, static_cast<UINT>(i), TRUE, UpToTab(text));
        }
    }
}

}  // namespace

std::string CMainFrame::KeymapPath() const {
    char folder[MAX_PATH] = {};
    if (g_appSettings) g_appSettings->GetFolder(folder, kFolderData);
    return std::string(folder) + "\\" + kKeymapFileName;
}

void CMainFrame::LoadKeymap(const std::vector<ACCEL>& toolAccelerators) {
    std::vector<uint8_t> bytes;
    std::vector<ACCEL> entries;
    if (!ReadKeymapFile(KeymapPath(), bytes) || !ParseKeymap(bytes, entries)) entries = ResourceAccelerators();
    const size_t tools = std::min(toolAccelerators.size(), kMaxToolAccelerators);
    entries.insert(entries.end(), toolAccelerators.begin(), toolAccelerators.begin() + static_cast<ptrdiff_t>(tools));

    HACCEL table = entries.empty() ? nullptr : ::CreateAcceleratorTableA(entries.data(), static_cast<int>(entries.size()));
    if (m_accelerators) ::DestroyAcceleratorTable(m_accelerators);
    m_accelerators = table;
    m_keymapEntries = std::move(entries);
    if (m_menu) {
        ClearMenuShortcuts(m_menu);
        UpdateMenuShortcuts(m_menu, m_keymapEntries.data(), m_keymapEntries.size());
    }
}

void CMainFrame::UpdateMenuShortcuts(HMENU menu, const ACCEL* entries, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const ACCEL& entry = entries[i];
        char text[kMenuTextSize];
        if (!GetCommandText(menu, entry.cmd, text)) continue;
        const std::string shortcut = FormatAcceleratorText(entry.key, HotKeyModifiersFromAccel(entry.fVirt));
        SetItemText(menu, entry.cmd, FALSE, UpToTab(text) + "\t" + shortcut);
    }
}
