#pragma once
// What the keys page works on, apart from its windows: the tree of menu
// commands with their key records, taken from a menu and an accelerator
// table; the duplicate search; and what Apply writes, the key file's
// commands in the tree's depth-first order and the user tools' shortcut
// lists.
#include <windows.h>

#include <string>
#include <vector>

#include "Keymap.h"

// One key of a command: accelerator flags (FVIRTKEY always set) and key.
struct KeyStroke {
    BYTE flags = FVIRTKEY;
    WORD key = 0;
};

// The keys of one command the tree lists. A tool command keeps the tool's
// name as it was when the tree was filled, so Apply writes its keys to that
// tool even when the tools page renumbers the tools meanwhile.
struct KeyRecord {
    WORD command = 0;
    std::string label;  // the tree's text, named when another command wants a key of it
    std::vector<KeyStroke> keys;
    std::string toolName;  // empty unless the command is a user tool's
};

// One item of the tree: a menu text, and a record index for a command
// (-1 for a submenu, which has none).
struct KeyTreeItem {
    std::string text;
    int record = -1;
    std::vector<KeyTreeItem> children;
};

struct KeyTree {
    std::vector<KeyTreeItem> roots;  // the menu bar's popups
    std::vector<KeyRecord> records;
};

// Commands ID_FILE_NEW to ID_LANGUAGE_HEX and past ID_LANGUAGE_LAST to
// ID_APP_ABOUT have keys the page can set; the language,
// style, layout, window and recent-file commands do not.
bool IsKeyPageCommand(UINT command);
inline bool IsToolCommand(UINT command) { return command >= kFirstToolCommand && command <= kLastToolCommand; }

// A menu text as the tree shows it: every '&' removed (double-byte
// characters kept whole) and cut at the first tab.
std::string KeyTreeLabel(const char* menuText);

// The tree of the menu's popups: separators, empty items and menu breaks
// left out; the items of each popup, and of its submenus one level further
// (deeper submenus are listed but not filled). Each command's record takes
// its keys from table in table order, at most 10.
KeyTree BuildKeyTree(HMENU menu, const std::vector<ACCEL>& table);

// Record indexes in the key file's order: within each root, an item's
// children before the item, siblings in menu order.
std::vector<int> DepthFirstRecords(const KeyTree& tree);

// The record (other than none) that holds key, comparing flags without
// FNOINVERT; -1 when none does.
int FindKeyOwner(const KeyTree& tree, const KeyStroke& key);

// The key file's commands: the records' keys in depth-first order (tool
// commands are left to the tools' entries), then the entries of every
// command of table that the tree holds no record of, as they were.
std::vector<CommandKeys> KeymapCommands(const KeyTree& tree, const std::vector<ACCEL>& table);

// A tool's shortcut list: each key as flags + 65536 x key, joined with ','.
std::string FormatToolShortcuts(const std::vector<KeyStroke>& keys);
