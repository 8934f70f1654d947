#pragma once
// The layout items of the dockable panes: one item per pane, and the group
// that stores every pane as one value of its own section and restores them
// together, so that panes come back into their slots, into one tab docking
// box in tab order, and into one auto-hide group.
#include <windows.h>

#include <vector>

#include "LayoutItem.h"
#include "PaneLayoutRecord.h"

class CDockPaneBase;

// A pane item without a pane keeps its id for a pane still to come: it
// stores and restores nothing.
class CPaneLayoutItem : public CLayoutItem {
public:
    explicit CPaneLayoutItem(CDockPaneBase* pane) : m_pane(pane) {}

    bool Store(CLayoutStore& store) override;
    bool Restore(CLayoutStore& store, LayoutRatio x, LayoutRatio y) override;
    // Back where the pane was captured; nothing when nothing was.
    bool RestoreDefault() override;

    // Remembers where the pane is, then hides it.
    bool CaptureAndHide();
    bool GetPaneState(PaneLayoutRecord& record);
    // Sizes and the float rectangle scaled to the current work area.
    bool ApplyPaneState(PaneLayoutRecord& record, LayoutRatio x, LayoutRatio y);

    CDockPaneBase* Pane() const { return m_pane; }
    const PaneLayoutRecord& Captured() const { return m_captured; }

private:
    CDockPaneBase* m_pane;
    PaneLayoutRecord m_captured;  // pane 0: nothing captured
};

class CPaneLayoutGroup : public CLayoutContainer {
public:
    // The frame receives the auto-hide pin requests.
    explicit CPaneLayoutGroup(HWND frame) : m_frame(frame) {}

    // The item is made here; its id is returned.
    int AddPane(CDockPaneBase* pane);

    bool Store(CLayoutStore& store) override;
    bool Restore(CLayoutStore& store, LayoutRatio x, LayoutRatio y) override;
    bool RestoreDefault() override;

private:
    struct BoxGroup;
    struct PinGroup;
    // Whether every pane already stands where the store puts it: the restore
    // would take each out of its slot and box as a popup, only to put it
    // back where it was.
    bool StandsAsStored(CLayoutStore& store, LayoutRatio x, LayoutRatio y);
    void FinishBox(BoxGroup& box);
    void FlushPins(PinGroup& pins);

    HWND m_frame;
};

// The order the queued records of a restore are applied in: the indexes of
// records, ascending by sort key, the floating ones last and those of one
// floating box together in tab order.
struct QueuedPaneRecord {
    PaneLayoutRecord record;
    uint32_t key = 0;    // PaneSortKey, with the floating box's identity
    int id = 0;
};
std::vector<QueuedPaneRecord> OrderPaneRecords(std::vector<QueuedPaneRecord> queue);
// The identity of the box a queued record docks into: equal for the panes of one box.
uint64_t PaneBoxGroup(const QueuedPaneRecord& entry);
