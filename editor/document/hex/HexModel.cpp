#include "HexModel.h"

#include <windows.h>

#include <algorithm>
#include <climits>

#include "HexFormat.h"

namespace {

int HexDigit(unsigned code) {
    if (code >= '0' && code <= '9') return (int)(code - '0');
    if (code >= 'a' && code <= 'f') return (int)(code - 'a' + 10);
    return -1;  // upper case too: only lower-case digits are typed
}

}  // namespace

bool HexModel::CanShow(uint64_t size) { return (size + 15) / 16 < (uint64_t)INT_MAX; }

void HexModel::Open(IPageSource* source, uint64_t size) {
    m_source = source;
    m_size = (int64_t)size;
    m_first = 0;
    m_geometry.scrollX = 0;
    m_undo.clear();
    m_edits.Clear();
    m_savedDepth = 0;
    m_reportedModified = false;
    m_half = 0;
    m_side = hexgeo::kHexSide;
    // The selection is set here once, not on the first paint, so an empty
    // file cannot make every paint set it again.
    m_anchor = m_caret = 0;
    SetSelection(0, 0, true);
}

void HexModel::SetGeometry(const hexgeo::Geometry& geometry) {
    const int scrollX = m_geometry.scrollX;
    m_geometry = geometry;
    m_geometry.scrollX = std::clamp(scrollX, 0, MaxScrollX());
}

void HexModel::SetClientWidth(int width) {
    m_clientWidth = std::max(width, 0);
    m_geometry.scrollX = std::clamp(m_geometry.scrollX, 0, MaxScrollX());
}

int HexModel::MaxScrollX() const { return std::max(0, m_geometry.RowWidth() - m_clientWidth); }

bool HexModel::ScrollSideways(Scroll code, int trackX) {
    const int cell = 3 * m_geometry.charWidth;
    int x = m_geometry.scrollX;
    switch (code) {
    case Scroll::LineUp: x -= cell; break;
    case Scroll::LineDown: x += cell; break;
    case Scroll::PageUp: x -= std::max(m_clientWidth, cell); break;
    case Scroll::PageDown: x += std::max(m_clientWidth, cell); break;
    case Scroll::Top: x = 0; break;
    case Scroll::Bottom: x = MaxScrollX(); break;
    case Scroll::Track: x = trackX; break;
    case Scroll::None: break;
    }
    x = std::clamp(x, 0, MaxScrollX());
    if (x == m_geometry.scrollX) return false;
    m_geometry.scrollX = x;
    return true;
}

void HexModel::SwitchSide() {
    m_side = m_side == hexgeo::kHexSide ? hexgeo::kCharSide : hexgeo::kHexSide;
    ScrollCaretIntoViewSideways();
}

void HexModel::ScrollCaretIntoViewSideways() {
    if (m_clientWidth <= 0 || m_size == 0 || !m_geometry.Valid()) return;
    const int column = (int)(std::min(m_caret, m_size - 1) % 16);
    // In row coordinates: where the caret stands with no scroll.
    const int x = m_geometry.CaretX(m_side, column, m_half) + m_geometry.scrollX - m_geometry.left;
    int scroll = m_geometry.scrollX;
    if (x < scroll) scroll = x;
    else if (x + m_geometry.charWidth > scroll + m_clientWidth) scroll = x + m_geometry.charWidth - m_clientWidth;
    m_geometry.scrollX = std::clamp(scroll, 0, MaxScrollX());
}

void HexModel::SetClientHeight(int height) {
    m_visibleRows = m_geometry.VisibleRows(height);
    m_first = 16 * std::min(FirstRow(), MaxFirstRow());
    LoadPage();
}

int HexModel::ShownRows() const { return (int)std::min<int64_t>(m_visibleRows, Rows() - FirstRow()); }

// The first shown row stays a row of the file even when none fits.
int64_t HexModel::MaxFirstRow() const { return std::max<int64_t>(0, Rows() - std::max(m_visibleRows, 1)); }

void HexModel::LoadPage() {
    int64_t length = std::clamp<int64_t>(m_size - m_first, 0, 16 * (int64_t)m_visibleRows);
    m_page.assign((size_t)length, 0);
    m_pageStart = m_first;
    // A source that fails leaves zeros.
    if (length > 0 && m_source) m_source->Read((uint64_t)m_first, m_page.data(), m_page.size());
    m_edits.Apply((uint64_t)m_first, m_page);
}

uint8_t HexModel::ByteAt(int64_t offset) {
    if (offset >= m_pageStart && offset < m_pageStart + (int64_t)m_page.size())
        return m_page[(size_t)(offset - m_pageStart)];
    if (auto edited = m_edits.Get((uint64_t)offset)) return *edited;
    uint8_t value = 0;
    if (m_source) m_source->Read((uint64_t)offset, &value, 1);
    return value;
}

bool HexModel::IsSelected(int64_t offset) const {
    return offset >= std::min(m_anchor, m_caret) && offset < std::max(m_anchor, m_caret);
}

void HexModel::SetSelection(int64_t anchor, int64_t caret, bool readPage) {
    if (!IsOpen()) return;
    if (m_size == 0) {
        anchor = caret = 0;
    } else {
        if (caret == -1) caret = m_size;
        caret = std::max<int64_t>(caret, 0);
        anchor = std::max<int64_t>(anchor, 0);
        caret = std::min(caret, anchor == caret ? m_size - 1 : m_size);
        anchor = std::min(anchor, m_size - 1);
    }
    m_anchor = anchor;
    m_caret = caret;
    UpdateStatusText();
    bool moved = ScrollCaretIntoView();
    ScrollCaretIntoViewSideways();
    if (readPage || moved) LoadPage();
}

bool HexModel::ScrollCaretIntoView() {
    if (m_visibleRows == 0 || m_size == 0) return false;
    int64_t row = std::min(m_caret, m_size - 1) / 16;
    int64_t first = FirstRow();
    if (row < first) first = row;
    else if (row > first + m_visibleRows - 1) first = std::max<int64_t>(0, row - (m_visibleRows - 1));
    if (first == FirstRow()) return false;
    m_first = 16 * first;
    return true;
}

std::optional<HexModel::Point> HexModel::CaretPoint() const {
    if (!IsOpen() || m_size == 0 || !m_geometry.Valid()) return std::nullopt;
    int64_t row = m_caret / 16 - FirstRow();
    if (row < 0 || row >= m_visibleRows) return std::nullopt;
    int column = (int)(m_caret % 16);
    return Point{m_geometry.CaretX(m_side, column, m_half), m_geometry.RowY((int)row)};
}

std::string HexModel::StatusText() const { return hexfmt::StatusText((uint64_t)m_anchor, (uint64_t)m_caret); }

void HexModel::UpdateStatusText() { m_host.SetStatusText(StatusText().c_str()); }

bool HexModel::ScrollTo(Scroll code, int64_t trackRow) {
    int64_t p = FirstRow();
    switch (code) {
    case Scroll::LineUp: p -= 1; break;
    case Scroll::LineDown: p += 1; break;
    case Scroll::PageUp: p = p > m_visibleRows ? p - m_visibleRows : 0; break;
    case Scroll::PageDown: p += m_visibleRows; break;
    case Scroll::Top: p = 0; break;
    case Scroll::Bottom: p = MaxFirstRow(); break;
    case Scroll::Track: p = trackRow; break;
    case Scroll::None: break;
    }
    // Never past the last full page, so the bottom is never a blank page.
    p = std::clamp<int64_t>(p, 0, MaxFirstRow());
    if (p == FirstRow()) return false;
    m_first = 16 * p;
    LoadPage();
    return true;
}

void HexModel::KeyDown(unsigned key, bool shift, bool ctrl) {
    if (!IsOpen()) return;
    const int64_t page = 16 * (int64_t)m_visibleRows;
    auto move = [&](int64_t caret, bool readPage) { SetSelection(shift ? m_anchor : caret, caret, readPage); };
    switch (key) {
    case VK_PRIOR:
        if (ctrl) ScrollTo(Scroll::PageUp);
        else if (m_caret < page) move(0, false);
        else move(m_caret - page, true);
        break;
    case VK_NEXT:
        if (ctrl) ScrollTo(Scroll::PageDown);
        else move(m_caret + page, true);
        break;
    case VK_HOME:
        if (ctrl) move(0, false);
        else move(m_caret & ~(int64_t)15, true);
        break;
    case VK_END:
        if (ctrl) move(shift ? m_size : m_size - 1, false);
        else move(shift ? (m_caret | 15) + 1 : (m_caret | 15), true);
        break;
    case VK_UP:
        if (ctrl) ScrollTo(Scroll::LineUp);
        else if (m_caret >= 16) move(m_caret - 16, true);
        break;
    case VK_DOWN:
        if (ctrl) ScrollTo(Scroll::LineDown);
        else if (m_caret + 16 <= m_size) move(m_caret + 16, true);
        break;
    case VK_LEFT: {
        int64_t caret = m_caret;
        if (m_half == 1) m_half = 0;
        else if (caret > 0) --caret, m_half = 1;
        SetSelection(caret, caret, false);
        break;
    }
    case VK_RIGHT: {
        int64_t caret = m_caret;
        if (m_half == 0) m_half = 1;
        else if (caret < m_size - 1) ++caret, m_half = 0;
        SetSelection(caret, caret, false);
        break;
    }
    case VK_DELETE:
        if (m_side == hexgeo::kHexSide && !m_host.IsReadOnly() && m_size > 0) {
            m_half = 0;
            Char('0');
            Char('0');
        }
        break;
    default: break;
    }
}

void HexModel::WriteByte(int64_t offset, uint8_t value) {
    m_edits.Set((uint64_t)offset, value);
    if (offset >= m_pageStart && offset < m_pageStart + (int64_t)m_page.size())
        m_page[(size_t)(offset - m_pageStart)] = value;
}

void HexModel::PushAndWrite(int64_t offset, uint8_t kind, uint8_t value) {
    m_undo.push_back({offset, kind, ByteAt(offset)});
    WriteByte(offset, value);
}

void HexModel::ReportModified() {
    bool modified = IsModified();
    if (modified == m_reportedModified) return;
    m_reportedModified = modified;
    m_host.SetTabState(modified ? kTabModified : kTabNormal);
}

void HexModel::Char(unsigned code) {
    if (!IsOpen() || m_size == 0) return;
    if (m_host.IsReadOnly()) {
        m_host.Beep();
        return;
    }
    if (code < 32) return;
    int64_t at = m_anchor;  // a selection collapses to its anchor
    if (m_side == hexgeo::kHexSide) {
        int digit = HexDigit(code);
        if (digit < 0) return;
        uint8_t old = ByteAt(at);
        uint8_t value = m_half == 0 ? (uint8_t)((digit << 4) | (old & 0x0F)) : (uint8_t)((old & 0xF0) | digit);
        PushAndWrite(at, (uint8_t)m_half, value);
        if (!(at == m_size - 1 && m_half == 1)) {
            if (m_half == 1) ++at;
            m_half = 1 - m_half;
        }
    } else {
        // A double-byte character arrives in one code: lead byte first.
        uint8_t bytes[2] = {(uint8_t)(code >> 8), (uint8_t)code};
        for (int i = code > 255 ? 0 : 1; i < 2; ++i) {
            PushAndWrite(at, 2, bytes[i]);
            m_half = 0;
            at = std::min(at + 1, m_size - 1);
        }
    }
    ReportModified();
    SetSelection(at, at, false);
}

void HexModel::Undo() {
    if (!IsOpen() || m_size == 0 || m_host.IsReadOnly() || m_undo.empty()) return;
    UndoEntry entry = m_undo.back();
    m_undo.pop_back();
    // Going back past the saved state leaves the file's bytes behind for good.
    if (m_savedDepth != kNeverSaved && m_undo.size() < m_savedDepth) m_savedDepth = kNeverSaved;
    WriteByte(entry.offset, entry.previous);
    ReportModified();
    if (entry.kind == 2) {
        m_half = 0;
        SetSelection(entry.offset, entry.offset + 1, false);
    } else {
        m_half = entry.kind;
        SetSelection(entry.offset, entry.offset, false);
    }
}

void HexModel::MarkSaved() {
    m_savedDepth = m_undo.size();
    ReportModified();
}

bool HexModel::MouseDown(int x, int y) {
    if (!IsOpen()) return false;
    auto hit = m_geometry.HitTest(x, y, ShownRows());
    if (!hit) return false;
    m_side = hit->side;
    m_half = hit->half;
    int64_t offset = OffsetOf(*hit);
    SetSelection(offset, offset, false);
    return true;
}

void HexModel::MouseDrag(int x, int y, int clientHeight) {
    if (!IsOpen()) return;
    if (y < 0 && FirstRow() > 0) ScrollTo(Scroll::LineUp);
    else if (y >= clientHeight) ScrollTo(Scroll::LineDown);
    auto hit = m_geometry.HitTest(x, y, ShownRows());
    if (!hit || hit->side != m_side) return;
    int64_t offset = OffsetOf(*hit);
    SetSelection(m_anchor, offset == 0 ? 0 : offset + 1, false);
}

void HexModel::DoubleClick(int x, int y) {
    if (!IsOpen()) return;
    auto hit = m_geometry.HitTest(x, y, ShownRows());
    if (!hit) return;
    m_side = hit->side;
    m_half = 0;
    int64_t offset = OffsetOf(*hit);
    SetSelection(offset, offset + 1, false);
}
