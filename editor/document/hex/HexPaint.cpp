// Painting of the hex view, through an off-screen DC.
#include <string>
#include <vector>

#include "GdiHandles.h"
#include "HexFormat.h"
#include "HexView.h"
#include "OffscreenDc.h"

namespace {

// Each character advances by the geometry's width, not the glyph's, so the
// text lands on the same grid as the caret and the mouse hits.
void DrawCells(HDC dc, int x, int y, const std::string& text, int charWidth, const RECT& cell) {
    std::vector<INT> advances(text.size(), charWidth);
    ::ExtTextOutA(dc, x, y, ETO_OPAQUE, &cell, text.c_str(), (UINT)text.size(), advances.data());
}

void DrawCentred(HDC dc, RECT cell, const std::string& text) {
    ::DrawTextA(dc, text.c_str(), (int)text.size(), &cell, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

void CHexView::Paint(HDC target) {
    RECT client;
    GetClientRect(&client);
    if (client.right <= client.left || client.bottom <= client.top) return;
    OffscreenDc offscreen(target, client);
    HDC dc = offscreen.Dc();
    const auto& g = m_model.Geometry();
    const int c = g.charWidth;
    const int h = g.lineHeight;

    CBrushHandle background(::CreateSolidBrush(m_background));
    ::FillRect(dc, &client, background);
    HBRUSH face = ::GetSysColorBrush(COLOR_BTNFACE);
    RECT offsetColumn{g.Origin(), client.top, g.OffsetRight(), client.bottom};
    RECT header{client.left, client.top, client.right, client.top + h};
    ::FillRect(dc, &offsetColumn, face);
    ::FillRect(dc, &header, face);
    if (!g.Valid()) return;

    CSelectObject font(dc, m_font);
    ::SetBkMode(dc, OPAQUE);
    const COLORREF faceColour = ::GetSysColor(COLOR_BTNFACE);
    const COLORREF text = ::GetSysColor(COLOR_WINDOWTEXT);
    ::SetTextColor(dc, text);
    ::SetBkColor(dc, faceColour);
    DrawCentred(dc, {g.Origin(), client.top, g.OffsetRight(), client.top + h}, hexfmt::OffsetHeader());
    for (int column = 0; column < hexfmt::kBytesPerRow; ++column)
        DrawCells(dc, g.DigitX(column, 0), client.top, hexfmt::ColumnLabel(column), c,
                  {g.CellLeft(column), client.top, g.CellRight(column), client.top + h});
    {
        CPenHandle pen(::CreatePen(PS_SOLID, 1, faceColour));
        CSelectObject selected(dc, pen);
        ::MoveToEx(dc, g.HexRight(), client.top, nullptr);
        ::LineTo(dc, g.HexRight(), client.bottom);
    }

    const COLORREF byteText = m_owner.IsReadOnly() ? ::GetSysColor(COLOR_GRAYTEXT) : text;
    const auto& page = m_model.Page();
    const int64_t pageStart = m_model.PageStart();
    for (int row = 0; row < m_model.ShownRows(); ++row) {
        const int64_t rowOffset = m_model.FirstOffset() + 16 * (int64_t)row;
        const int y = g.RowY(row);
        ::SetTextColor(dc, text);
        ::SetBkColor(dc, faceColour);
        DrawCentred(dc, {g.Origin(), y, g.OffsetRight(), y + h}, hexfmt::RowOffset((uint64_t)rowOffset));
        for (int column = 0; column < 16; ++column) {
            const int64_t offset = rowOffset + column;
            const int64_t index = offset - pageStart;
            if (offset >= m_model.Size() || index < 0 || index >= (int64_t)page.size()) break;
            const uint8_t value = page[(size_t)index];
            const bool selected = m_model.IsSelected(offset);
            for (hexgeo::Side side : {hexgeo::kHexSide, hexgeo::kCharSide}) {
                if (selected && side == m_model.Side()) {
                    ::SetTextColor(dc, ::GetSysColor(COLOR_HIGHLIGHTTEXT));
                    ::SetBkColor(dc, ::GetSysColor(COLOR_HIGHLIGHT));
                } else if (selected) {
                    ::SetTextColor(dc, text);
                    ::SetBkColor(dc, faceColour);
                } else {
                    ::SetTextColor(dc, byteText);
                    ::SetBkColor(dc, m_background);
                }
                if (side == hexgeo::kHexSide) {
                    DrawCells(dc, g.DigitX(column, 0), y, hexfmt::ByteDigits(value), c,
                              {g.CellLeft(column), y, g.CellRight(column), y + h});
                } else {
                    DrawCells(dc, g.CharX(column), y, std::string(1, hexfmt::ByteChar(value)), c,
                              {g.CharX(column), y, g.CharX(column) + c, y + h});
                }
            }
        }
    }
}
