// Painting of the hex view, through an off-screen DC.
#include <string>

#include "GdiHandles.h"
#include "HexFormat.h"
#include "HexView.h"
#include "OffscreenDc.h"

namespace {

void DrawTextAt(HDC dc, int x, int y, const std::string& text) { ::TextOutA(dc, x, y, text.c_str(), (int)text.size()); }

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
    RECT offsetColumn{client.left, client.top, client.left + 10 * c, client.bottom};
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
    DrawCentred(dc, {client.left, client.top, client.left + 10 * c, client.top + h}, hexfmt::OffsetHeader());
    DrawTextAt(dc, g.HexLeft(), client.top, hexfmt::ColumnHeader());
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
        DrawCentred(dc, {client.left, y, client.left + 10 * c, y + h}, hexfmt::RowOffset((uint64_t)rowOffset));
        int x = g.HexLeft();
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
                    std::string cell = hexfmt::ByteCell(column, value);
                    DrawTextAt(dc, x, y, cell);
                    x += (int)cell.size() * c;
                } else {
                    DrawTextAt(dc, g.CharLeft() + column * c, y, std::string(1, hexfmt::ByteChar(value)));
                }
            }
        }
    }
}
