#include "KeysPageLogic.h"

#include <algorithm>
#include <set>

#include "DbcsText.h"
#include "resource.h"

namespace {

constexpr int kMenuTextSize = 256;

struct MenuItem {
    std::string text;
    UINT command = 0;
    HMENU submenu = nullptr;
    bool listed = false;  // not a separator, an empty item or a menu break
};

MenuItem ReadMenuItem(HMENU menu, int position) {
    char text[kMenuTextSize] = {};
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING | MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
    info.dwTypeData = text;
    info.cch = kMenuTextSize;
    MenuItem item;
    if (!::GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return item;
    if (info.fType & (MFT_SEPARATOR | MFT_MENUBREAK | MFT_MENUBARBREAK | MFT_BITMAP | MFT_OWNERDRAW)) return item;
    if (!text[0]) return item;
    item.text = text;
    item.command = info.wID;
    item.submenu = info.hSubMenu;
    item.listed = true;
    return item;
}

int AddRecord(KeyTree& tree, const MenuItem& item, const std::vector<ACCEL>& table) {
    KeyRecord record;
    record.command = static_cast<WORD>(item.command);
    record.label = KeyTreeLabel(item.text.c_str());
    for (const ACCEL& entry : table) {
        if (entry.cmd != record.command) continue;
        if (record.keys.size() == kMaxShortcutsPerCommand) break;
        record.keys.push_back({static_cast<BYTE>(entry.fVirt | FVIRTKEY), entry.key});
    }
    if (IsToolCommand(record.command)) {
        const char* tab = FindFirstChar(item.text.c_str(), '\t');
        record.toolName = tab ? std::string(item.text.c_str(), tab) : item.text;
    }
    tree.records.push_back(std::move(record));
    return static_cast<int>(tree.records.size() - 1);
}

// Lists the items of menu under parent; submenus are filled while depth
// is above 0.
void AddItems(KeyTree& tree, std::vector<KeyTreeItem>& parent, HMENU menu, int depth,
              const std::vector<ACCEL>& table) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const MenuItem item = ReadMenuItem(menu, i);
        if (!item.listed) continue;
        if (!item.submenu && !IsKeyPageCommand(item.command)) continue;
        KeyTreeItem node;
        node.text = KeyTreeLabel(item.text.c_str());
        if (item.submenu) {
            if (depth > 0) AddItems(tree, node.children, item.submenu, depth - 1, table);
        } else {
            node.record = AddRecord(tree, item, table);
        }
        parent.push_back(std::move(node));
    }
}

void CollectDepthFirst(const KeyTreeItem& item, std::vector<int>& out) {
    for (const KeyTreeItem& child : item.children) CollectDepthFirst(child, out);
    if (item.record >= 0) out.push_back(item.record);
}

bool SameKey(const KeyStroke& a, const KeyStroke& b) {
    return a.key == b.key && (a.flags & ~FNOINVERT) == (b.flags & ~FNOINVERT);
}

CommandKeys ToCommandKeys(WORD command, const std::vector<KeyStroke>& keys) {
    CommandKeys out;
    out.command = command;
    for (const KeyStroke& key : keys) out.keys.push_back({key.key, HotKeyModifiersFromAccel(key.flags)});
    return out;
}

}  // namespace

bool IsKeyPageCommand(UINT command) { return (command >= ID_FILE_NEW && command <= ID_LANGUAGE_HEX) || (command > ID_LANGUAGE_LAST && command <= ID_APP_ABOUT); }

std::string KeyTreeLabel(const char* menuText) {
    std::string label;
    const char* end = FindFirstChar(menuText, '\t');
    if (!end) end = menuText + std::char_traits<char>::length(menuText);
    for (const char* p = menuText; p < end; ++p) {
        if (::IsDBCSLeadByte(static_cast<BYTE>(*p)) && p + 1 < end) {
            label += *p++;
            label += *p;
        } else if (*p != '&') {
            label += *p;
        }
    }
    return label;
}

KeyTree BuildKeyTree(HMENU menu, const std::vector<ACCEL>& table) {
    KeyTree tree;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        const MenuItem item = ReadMenuItem(menu, i);
        if (!item.listed || !item.submenu) continue;
        KeyTreeItem root;
        root.text = KeyTreeLabel(item.text.c_str());
        // The popup's items, and its submenus' items one level further.
        AddItems(tree, root.children, item.submenu, 1, table);
        tree.roots.push_back(std::move(root));
    }
    return tree;
}

std::vector<int> DepthFirstRecords(const KeyTree& tree) {
    std::vector<int> out;
    for (const KeyTreeItem& root : tree.roots) CollectDepthFirst(root, out);
    return out;
}

int FindKeyOwner(const KeyTree& tree, const KeyStroke& key) {
    for (size_t i = 0; i < tree.records.size(); ++i)
        for (const KeyStroke& held : tree.records[i].keys)
            if (SameKey(held, key)) return static_cast<int>(i);
    return -1;
}

std::vector<CommandKeys> KeymapCommands(const KeyTree& tree, const std::vector<ACCEL>& table) {
    std::vector<CommandKeys> commands;
    std::set<WORD> listed;
    for (int index : DepthFirstRecords(tree)) {
        const KeyRecord& record = tree.records[static_cast<size_t>(index)];
        listed.insert(record.command);
        if (!IsToolCommand(record.command)) commands.push_back(ToCommandKeys(record.command, record.keys));
    }
    // Keys of commands the page does not show (deeper submenus, other id
    // ranges, commands with no menu item) stay as they were, in table
    // order; a run of one command's keys is split so that none is cut off
    // at the per-command limit.
    for (const ACCEL& entry : table) {
        if (listed.count(entry.cmd) || IsToolCommand(entry.cmd)) continue;
        if (commands.empty() || commands.back().command != entry.cmd ||
            commands.back().keys.size() == kMaxShortcutsPerCommand) {
            commands.push_back(CommandKeys{entry.cmd, {}});
        }
        commands.back().keys.push_back({entry.key, HotKeyModifiersFromAccel(entry.fVirt)});
    }
    return commands;
}

std::string FormatToolShortcuts(const std::vector<KeyStroke>& keys) {
    std::string list;
    for (const KeyStroke& key : keys) {
        if (!list.empty()) list += ',';
        list += std::to_string(static_cast<unsigned long>(key.flags) + 65536ul * key.key);
    }
    return list;
}
