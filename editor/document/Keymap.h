#pragma once
// The keyboard map: the "keymap.key" file (an int32 count, then that many
// 6-byte accelerator entries, little-endian), the shortcut texts the menus
// show, and the conversions between accelerator flags and the hot-key
// modifier bits the keys page works with. Pure logic, no windows.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "resource.h"

inline constexpr char kKeymapFileName[] = "keymap.key";
// The key file holds fewer entries than this.
inline constexpr int kKeymapMaxEntries = 1000;
// Room kept after the file's or the resource's entries for the user tools.
inline constexpr size_t kMaxToolAccelerators = 80;
// The user-tool commands keep their shortcuts with the tools, not in the file.
inline constexpr WORD kFirstToolCommand = ID_TOOL_FIRST;
inline constexpr WORD kLastToolCommand = ID_TOOL_LAST;
// A command of the keys page keeps at most this many shortcuts.
inline constexpr size_t kMaxShortcutsPerCommand = 10;

// Modifier bits of a shortcut as the user sees it (the hot-key control's).
enum HotKeyModifier : uint8_t {
    kHotKeyShift = 0x01,
    kHotKeyCtrl = 0x02,
    kHotKeyAlt = 0x04,
    kHotKeyExtended = 0x08,
};

// FSHIFT, FCONTROL and FALT to Shift, Ctrl and Alt.
uint8_t HotKeyModifiersFromAccel(BYTE flags);
// Alt gives FALT|FVIRTKEY, otherwise FVIRTKEY; Ctrl adds FCONTROL, Shift FSHIFT.
BYTE AccelFlagsFromHotKey(uint8_t modifiers);

// The entries of a key file's bytes; false (and nothing) when the file is
// not valid: under 4 bytes, a count below 0 or of 1000 and more, or a size
// other than 4 + 6 x count.
bool ParseKeymap(const std::vector<uint8_t>& bytes, std::vector<ACCEL>& entries);

struct Shortcut {
    WORD key = 0;           // virtual-key code
    uint8_t modifiers = 0;  // HotKeyModifier bits
};

// One command of the keys page with its shortcuts.
struct CommandKeys {
    WORD command = 0;
    std::vector<Shortcut> keys;
};

// The file's bytes for commands in order: each shortcut (at most 10 per
// command) of every command outside ID_TOOL_FIRST to ID_TOOL_LAST as one entry.
std::vector<uint8_t> EncodeKeymap(const std::vector<CommandKeys>& commands);
// Writes the file beside path and puts it in place only when all of it was
// written; false leaves an existing file as it was.
bool WriteKeymapFile(const std::string& path, const std::vector<CommandKeys>& commands);
// Reads the whole file; false when it cannot be opened or read.
bool ReadKeymapFile(const std::string& path, std::vector<uint8_t>& bytes);

// The name of a virtual key from our own table, so that the texts read the
// same on every system ("Home", "Page Up", "Num +"); keys the table lacks
// are named by the keyboard layout. extended tells the keypad's Enter apart.
std::string GetKeyName(WORD key, bool extended);
// "Ctrl+", "Shift+", "Alt+" in this order, then the key's name; "" for no
// key and no modifiers.
std::string FormatAcceleratorText(WORD key, uint8_t modifiers);
