#pragma once
// Everything the hex view knows without a window: the shown page, the
// selection, keys, typing, undo and mouse hits. Offsets are 64-bit file
// offsets throughout; edits live in an overlay keyed by offset.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ByteOverlay.h"
#include "HexGeometry.h"
#include "HexHost.h"
#include "PageSource.h"

class HexModel {
public:
    enum class Scroll { LineUp, LineDown, PageUp, PageDown, Top, Bottom, Track, None };
    struct Point {
        int x;
        int y;
    };

    explicit HexModel(IHexHost& host) : m_host(host) {}

    // Files whose row count does not fit a 32-bit scroll position are refused.
    static bool CanShow(uint64_t size);
    // Starts over on a file of `size` bytes; the source is not owned.
    void Open(IPageSource* source, uint64_t size);
    bool IsOpen() const { return m_source != nullptr; }
    int64_t Size() const { return m_size; }
    int64_t Rows() const { return (m_size + 15) / 16; }

    // A new font keeps the sideways scroll, held within the new row width.
    void SetGeometry(const hexgeo::Geometry& geometry);
    const hexgeo::Geometry& Geometry() const { return m_geometry; }
    // A new client height: the visible rows change and the page is read.
    void SetClientHeight(int height);
    int VisibleRows() const { return m_visibleRows; }
    // A new client width: the sideways scroll stays within the row.
    void SetClientWidth(int width);
    int ClientWidth() const { return m_clientWidth; }
    int ScrollX() const { return m_geometry.scrollX; }
    int MaxScrollX() const;
    // Sideways, with the scroll bar's codes: Up is left, Down is right, a
    // line is one byte's cell and a page the client width. Answers whether
    // the rows moved.
    bool ScrollSideways(Scroll code, int trackX = 0);
    int ShownRows() const;
    int64_t FirstRow() const { return m_first / 16; }
    int64_t FirstOffset() const { return m_first; }
    int64_t MaxFirstRow() const;

    const std::vector<uint8_t>& Page() const { return m_page; }
    int64_t PageStart() const { return m_pageStart; }
    // Reads the shown rows from the source and lays the edits over them.
    void LoadPage();
    uint8_t ByteAt(int64_t offset);

    int64_t Anchor() const { return m_anchor; }
    int64_t Caret() const { return m_caret; }
    int Half() const { return m_half; }
    hexgeo::Side Side() const { return m_side; }
    bool SelectionEmpty() const { return m_anchor == m_caret; }
    bool IsSelected(int64_t offset) const;
    // A caret of -1 stands for the file size; both ends are held in the file.
    void SetSelection(int64_t anchor, int64_t caret, bool readPage);
    // Where the caret stands in the client, when its row is shown.
    std::optional<Point> CaretPoint() const;
    std::string StatusText() const;
    void UpdateStatusText();

    // Answers whether the first shown row changed.
    bool ScrollTo(Scroll code, int64_t trackRow = 0);
    void KeyDown(unsigned key, bool shift, bool ctrl);
    void Char(unsigned code);
    // Answers whether a cell was hit (the view then looks for a drag).
    bool MouseDown(int x, int y);
    void MouseDrag(int x, int y, int clientHeight);
    void DoubleClick(int x, int y);
    void SwitchSide();

    void Undo();
    bool CanUndo() const { return !m_undo.empty(); }
    bool IsModified() const { return m_undo.size() != m_savedDepth; }
    // The edits are on disk now.
    void MarkSaved();
    const ByteOverlay& Edits() const { return m_edits; }

private:
    struct UndoEntry {
        int64_t offset;
        uint8_t kind;  // 0 high digit, 1 low digit, 2 character
        uint8_t previous;
    };
    static constexpr size_t kNeverSaved = (size_t)-1;

    void WriteByte(int64_t offset, uint8_t value);
    void PushAndWrite(int64_t offset, uint8_t kind, uint8_t value);
    bool ScrollCaretIntoView();
    void ScrollCaretIntoViewSideways();
    void ReportModified();
    int64_t OffsetOf(const hexgeo::Hit& hit) const { return m_first + 16 * (int64_t)hit.row + hit.column; }

    IHexHost& m_host;
    IPageSource* m_source = nullptr;
    hexgeo::Geometry m_geometry;
    int64_t m_size = 0;
    int64_t m_first = 0;
    int m_visibleRows = 0;
    int m_clientWidth = 0;
    std::vector<uint8_t> m_page;
    int64_t m_pageStart = 0;
    int64_t m_anchor = 0;
    int64_t m_caret = 0;
    int m_half = 0;
    hexgeo::Side m_side = hexgeo::kHexSide;
    std::vector<UndoEntry> m_undo;
    size_t m_savedDepth = 0;
    bool m_reportedModified = false;
    ByteOverlay m_edits;
};
