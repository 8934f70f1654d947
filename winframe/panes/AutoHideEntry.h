#pragma once
// The entries of the auto-hide bars: one tab for a pinned pane, or one group
// of tabs for the panes of a pinned box. The bars own their entries; an
// entry owns its texts but never the panes or their icons.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DockMessage.h"

struct AutoHideEntry {
    int size = 0;          // slid-out size
    HWND pane = nullptr;
    HICON icon = nullptr;  // not owned
    std::string text;
};

// Fills an entry from a pane: its small icon (the class's when it has none of
// its own) and its text. Returns the text length + 1.
int FillAutoHideEntry(AutoHideEntry& entry, HWND pane, int size);
// Re-parents a pinned pane into the manager window, without its caption bits.
void EnterAutoHideManager(HWND pane, HWND manager, DWORD side);
// Makes it a hidden popup with a caption again.
void LeaveAutoHideManager(HWND pane);

using TextWidth = std::function<int(const std::string&)>;

class CAutoHideBarEntry {
public:
    enum class Removal { NotHere, Kept, Replaced, Dropped };

    virtual ~CAutoHideBarEntry() = default;
    // The pane leaves; Replaced puts the new entry in `replacement`.
    virtual Removal RemovePane(HWND pane, std::unique_ptr<CAutoHideBarEntry>& replacement) = 0;
    // Unpins every pane to the record's target; the entry is then empty.
    virtual bool GiveBack(DockMessage& record) = 0;
    virtual void SetLength(int length) = 0;
    virtual int Length() const = 0;
    // The placement part of a code-4 answer; false when the pane is not here.
    virtual bool FillPlacement(HWND pane, DockMessage& record) const = 0;
    virtual const AutoHideEntry& Active() const = 0;
    virtual int Measure(const TextWidth& width) const = 0;
    // verticalBar: bit 0 of the bar's direction flags.
    virtual void Draw(HDC dc, const RECT& rect, bool verticalBar) const = 0;
    virtual int IndexAt(int x, bool makeActive) = 0;
    // The pane of a tab (IndexAt's answer); null past the last.
    virtual HWND PaneAt(int index) const = 0;
    // The slid-out size of one of its panes, as the user left it.
    virtual void SetPaneSize(HWND pane, int size) = 0;

    // Measures in a DC with the bar's font selected.
    int Measure(HDC dc) const;
};

class CSingleAutoHideEntry : public CAutoHideBarEntry {
public:
    explicit CSingleAutoHideEntry(AutoHideEntry entry) : m_entry(std::move(entry)) {}
    Removal RemovePane(HWND pane, std::unique_ptr<CAutoHideBarEntry>& replacement) override;
    bool GiveBack(DockMessage& record) override;
    void SetLength(int length) override { m_length = length; }
    int Length() const override { return m_length; }
    bool FillPlacement(HWND pane, DockMessage& record) const override;
    const AutoHideEntry& Active() const override { return m_entry; }
    int Measure(const TextWidth& width) const override;
    void Draw(HDC dc, const RECT& rect, bool verticalBar) const override;
    int IndexAt(int, bool) override { return 0; }
    HWND PaneAt(int index) const override { return index == 0 ? m_entry.pane : nullptr; }
    void SetPaneSize(HWND pane, int size) override {
        if (pane == m_entry.pane) m_entry.size = size;
    }
    using CAutoHideBarEntry::Measure;

private:
    AutoHideEntry m_entry;
    int m_length = 0;
};

class CGroupAutoHideEntry : public CAutoHideBarEntry {
public:
    // entries: at least two, in tab order; label: the entry whose text sets the long tab.
    CGroupAutoHideEntry(std::vector<AutoHideEntry> entries, size_t active, size_t label);
    Removal RemovePane(HWND pane, std::unique_ptr<CAutoHideBarEntry>& replacement) override;
    bool GiveBack(DockMessage& record) override;
    void SetLength(int length) override;
    int Length() const override { return m_total; }
    bool FillPlacement(HWND pane, DockMessage& record) const override;
    const AutoHideEntry& Active() const override { return m_entries[m_active]; }
    int Measure(const TextWidth& width) const override;
    void Draw(HDC dc, const RECT& rect, bool verticalBar) const override;
    int IndexAt(int x, bool makeActive) override;
    HWND PaneAt(int index) const override {
        return index >= 0 && index < (int)m_entries.size() ? m_entries[index].pane : nullptr;
    }
    void SetPaneSize(HWND pane, int size) override {
        for (AutoHideEntry& e : m_entries)
            if (e.pane == pane) e.size = size;
    }
    using CAutoHideBarEntry::Measure;

    const std::vector<AutoHideEntry>& Entries() const { return m_entries; }
    size_t ActiveIndex() const { return m_active; }
    size_t LabelIndex() const { return m_label; }
    int IconTabLength() const { return m_iconTab; }

private:
    std::vector<AutoHideEntry> m_entries;
    size_t m_active;
    size_t m_label;
    int m_total = 0;
    mutable int m_iconTab;
};

// The tab under x along a group: t icon-tab length, a active index. Never
// divides by zero and never answers past the last tab.
int GroupIndexAt(int x, int count, int iconTab, int total, int active);

// Code 12: the entry for the record's pane or panes, each entering the
// manager. Null when nothing could be made.
std::unique_ptr<CAutoHideBarEntry> MakePinnedEntry(const DockMessage& record, HWND manager);
