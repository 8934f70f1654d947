#pragma once
// The value a layout file keeps for one dockable pane: its placement, its
// float rectangle and whether it was in a container and visible, with the
// fixed 60-byte file form and the key that orders panes at restore.
#include <windows.h>

#include <array>
#include <cstdint>

#include "DockMessage.h"

struct PaneLayoutRecord {
    DockMessage placement;  // the placement form; pane and target are only handles of the run that wrote it
    RECT floatRect{};       // screen coordinates
    uint32_t docked = 0;    // 1 when in a slot window, tab docking box or auto-hide manager
    uint32_t visible = 0;   // 1 when the pane or its container was visible
};

constexpr size_t kPaneRecordBytes = 60;
using PaneRecordBytes = std::array<uint8_t, kPaneRecordBytes>;
PaneRecordBytes SerialisePaneRecord(const PaneLayoutRecord& record);
PaneLayoutRecord DeserialisePaneRecord(const PaneRecordBytes& bytes);

// Ascending keys restore docked panes side by side (left, top, right,
// bottom), then by slot position, ratio and tab index; floating panes last.
uint32_t PaneSortKey(const PaneLayoutRecord& record);
// Panes with equal keys without the tab index share a slot.
inline uint32_t PaneSlotKey(uint32_t key) { return key >> 9; }
