#include "FontPage.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "AppSettings.h"
#include "DbcsText.h"
#include "FontSchemes.h"
#include "GdiHandles.h"

namespace {

const int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36};
constexpr char kSampleText[] = "Hello Tarnwick!";
constexpr int kMarkSize = 16;

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA* metric, DWORD type, LPARAM data) {
    auto& faces = *reinterpret_cast<std::vector<CFontPage::Face>*>(data);
    for (const CFontPage::Face& face : faces)
        if (face.name == font->lfFaceName) return 1;
    CFontPage::Face face;
    face.name = font->lfFaceName;
    face.type = type;
    if (type & TRUETYPE_FONTTYPE) face.ntmFlags = reinterpret_cast<const NEWTEXTMETRICEXA*>(metric)->ntmTm.ntmFlags;
    face.fixedPitch = (font->lfPitchAndFamily & 0x3) == FIXED_PITCH;
    faces.push_back(face);
    return 1;
}

std::string ComboText(HWND combo) {
    char text[64] = {};
    ::GetWindowTextA(combo, text, sizeof(text));
    return text;
}

std::string ComboItemText(HWND combo, int item) {
    const LRESULT length = ::SendMessageA(combo, CB_GETLBTEXTLEN, item, 0);
    if (length < 0) return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(combo, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

// The marks beside OpenType and other TrueType faces: a letter in a box,
// drawn here rather than loaded.
void DrawMark(HDC dc, const RECT& box, bool openType) {
    const COLORREF colour = openType ? RGB(0x20, 0x60, 0xB0) : RGB(0x60, 0x60, 0x60);
    HBRUSH brush = ::CreateSolidBrush(colour);
    RECT frame = box;
    ::InflateRect(&frame, -1, -1);
    ::FrameRect(dc, &frame, brush);
    ::DeleteObject(brush);
    const COLORREF oldColour = ::SetTextColor(dc, colour);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);
    RECT text = frame;
    ::DrawTextA(dc, openType ? "O" : "T", 1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SetBkMode(dc, oldMode);
    ::SetTextColor(dc, oldColour);
}

}  // namespace

LRESULT CFontPage::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    const CFontSchemes store(m_context.settings);
    m_schemes = LoadFontSchemes([&](int key) { return store.Text(key); });
    for (size_t i = 0; i < m_schemes.size(); ++i) {
        const std::string name = "Font " + std::to_string(i + 1);
        SendDlgItemMessageA(m_hWnd, IDC_FONT_CATEGORY, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    FillFaces();
    m_fore.Attach(GetDlgItem(IDC_FONT_FORE));
    m_back.Attach(GetDlgItem(IDC_FONT_BACK));
    // The face combo's edit part as high as the size combo's.
    const LRESULT editHeight = SendDlgItemMessageA(m_hWnd, IDC_FONT_SIZE, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    if (editHeight > 0) SendDlgItemMessageA(m_hWnd, IDC_FONT_FACE, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), editHeight);
    const int first = InitialFontScheme(store.Chosen(), m_schemes.size());
    if (first > 0) {
        SendDlgItemMessageA(m_hWnd, IDC_FONT_CATEGORY, CB_SETCURSEL, static_cast<WPARAM>(first - 1), 0);
        ShowScheme(first - 1);
    }
    return TRUE;
}

void CFontPage::FillFaces() {
    HWND combo = GetDlgItem(IDC_FONT_FACE);
    const CClientDc dc(combo);
    LOGFONTA all{};
    all.lfCharSet = DEFAULT_CHARSET;
    ::EnumFontFamiliesExA(dc, &all, CollectFace, reinterpret_cast<LPARAM>(&m_faces), 0);
    for (size_t i = 0; i < m_faces.size(); ++i) {
        const LRESULT item = ::SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m_faces[i].name.c_str()));
        if (item >= 0) ::SendMessageA(combo, CB_SETITEMDATA, static_cast<WPARAM>(item), static_cast<LPARAM>(i));
    }
}

void CFontPage::FillSizes(int faceItem) {
    HWND sizes = GetDlgItem(IDC_FONT_SIZE);
    const std::string text = ComboText(sizes);
    ::SendMessageA(sizes, CB_RESETCONTENT, 0, 0);
    const LRESULT data = SendDlgItemMessageA(m_hWnd, IDC_FONT_FACE, CB_GETITEMDATA, static_cast<WPARAM>(faceItem), 0);
    if (data == CB_ERR || static_cast<size_t>(data) >= m_faces.size()) return;
    if (!(m_faces[static_cast<size_t>(data)].type & (TRUETYPE_FONTTYPE | DEVICE_FONTTYPE)) &&
        (m_faces[static_cast<size_t>(data)].type & RASTER_FONTTYPE))
        return;
    for (int size : kSizes) {
        char item[16];
        std::snprintf(item, sizeof(item), "%d", size);
        ::SendMessageA(sizes, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    // Emptying the list must not lose the size shown.
    ::SetWindowTextA(sizes, text.c_str());
}

FontScheme* CFontPage::Current() {
    return m_current >= 0 && static_cast<size_t>(m_current) < m_schemes.size() ? &m_schemes[static_cast<size_t>(m_current)]
                                                                             : nullptr;
}

void CFontPage::ShowScheme(int index) {
    if (index < 0 || static_cast<size_t>(index) >= m_schemes.size()) return;
    m_current = index;
    const FontScheme& scheme = m_schemes[static_cast<size_t>(index)];
    HWND faces = GetDlgItem(IDC_FONT_FACE);
    const LRESULT found = ::SendMessageA(faces, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                         reinterpret_cast<LPARAM>(scheme.face.c_str()));
    ::SendMessageA(faces, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    ::SetWindowTextA(faces, scheme.face.c_str());
    if (found >= 0) FillSizes(static_cast<int>(found));
    ::SetDlgItemTextA(m_hWnd, IDC_FONT_SIZE, std::to_string(scheme.size).c_str());
    Check(IDC_FONT_BOLD, scheme.bold);
    Check(IDC_FONT_ITALICS, scheme.italics);
    Check(IDC_FONT_UNDERLINE, scheme.underlined);
    m_fore.automaticColor = scheme.fore;
    m_fore.color = kColorAutomatic;
    m_back.automaticColor = scheme.back;
    m_back.color = kColorAutomatic;
    ::InvalidateRect(m_fore.m_hWnd, nullptr, TRUE);
    ::InvalidateRect(m_back.m_hWnd, nullptr, TRUE);
    ShowResult();
}

void CFontPage::ReadControls() {
    FontScheme* scheme = Current();
    if (!scheme) return;
    HWND faces = GetDlgItem(IDC_FONT_FACE);
    const LRESULT faceItem = ::SendMessageA(faces, CB_GETCURSEL, 0, 0);
    std::string face = faceItem >= 0 ? ComboItemText(faces, static_cast<int>(faceItem)) : ComboText(faces);
    scheme->face = face.substr(0, FitCharacters(face.c_str(), kMaxFaceLength));
    HWND sizes = GetDlgItem(IDC_FONT_SIZE);
    const LRESULT sizeItem = ::SendMessageA(sizes, CB_GETCURSEL, 0, 0);
    const std::string size = sizeItem >= 0 ? ComboItemText(sizes, static_cast<int>(sizeItem)) : ComboText(sizes);
    scheme->size = std::atoi(size.c_str());
    scheme->bold = IsChecked(IDC_FONT_BOLD);
    scheme->italics = IsChecked(IDC_FONT_ITALICS);
    scheme->underlined = IsChecked(IDC_FONT_UNDERLINE);
    scheme->fore = m_fore.ShownColor();
    scheme->back = m_back.ShownColor();
    SetChanged();
    ShowResult();
}

void CFontPage::ShowResult() {
    ::InvalidateRect(GetDlgItem(IDC_FONT_SAMPLE), nullptr, TRUE);
    if (const FontScheme* scheme = Current()) ::SetDlgItemTextA(m_hWnd, IDC_FONT_VALUE, FontSchemeText(*scheme).c_str());
}

LRESULT CFontPage::OnCategory(WORD, WORD, HWND, bool&) {
    ShowScheme(static_cast<int>(SendDlgItemMessageA(m_hWnd, IDC_FONT_CATEGORY, CB_GETCURSEL, 0, 0)));
    return 0;
}

LRESULT CFontPage::OnFaceChosen(WORD, WORD, HWND, bool&) {
    const LRESULT item = SendDlgItemMessageA(m_hWnd, IDC_FONT_FACE, CB_GETCURSEL, 0, 0);
    if (item >= 0) FillSizes(static_cast<int>(item));
    ReadControls();
    return 0;
}

LRESULT CFontPage::OnControlEdited(WORD, WORD, HWND, bool&) {
    ReadControls();
    return 0;
}

LRESULT CFontPage::OnColourChosen(int, NMHDR*, bool&) {
    ReadControls();
    return 0;
}

LRESULT CFontPage::OnMeasureItem(UINT, WPARAM, LPARAM lParam, bool& handled) {
    auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (item->CtlType != ODT_COMBOBOX || item->CtlID != IDC_FONT_FACE) {
        handled = false;
        return 0;
    }
    const CClientDc dc(m_hWnd);
    const CSelectObject selected(dc, reinterpret_cast<HFONT>(::SendMessageA(m_hWnd, WM_GETFONT, 0, 0)));
    TEXTMETRICA metric{};
    ::GetTextMetricsA(dc, &metric);
    item->itemHeight = static_cast<UINT>(std::max<LONG>(metric.tmHeight + 1, kMarkSize + 1));
    return TRUE;
}

LRESULT CFontPage::OnDrawItem(UINT, WPARAM, LPARAM lParam, bool& handled) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    if (item->CtlID == IDC_FONT_FACE) {
        DrawFaceItem(*item);
    } else if (item->CtlID == IDC_FONT_SAMPLE) {
        DrawSample(*item);
    } else {
        handled = false;  // the colour buttons draw themselves
        return 0;
    }
    return TRUE;
}

void CFontPage::DrawFaceItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    const bool selected = (item.itemState & ODS_SELECTED) && !(item.itemState & ODS_COMBOBOXEDIT);
    ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const LRESULT data = ::SendMessageA(item.hwndItem, CB_GETITEMDATA, item.itemID, 0);
    const Face* face = data >= 0 && static_cast<size_t>(data) < m_faces.size() ? &m_faces[static_cast<size_t>(data)] : nullptr;
    RECT rect = item.rcItem;
    rect.left += 3;
    rect.right -= 3;
    if (face && (face->type & TRUETYPE_FONTTYPE)) {
        const RECT box{rect.left, rect.top + 1, rect.left + kMarkSize, rect.top + 1 + kMarkSize};
        DrawMark(item.hDC, box, (face->ntmFlags & (NTM_PS_OPENTYPE | NTM_TT_OPENTYPE)) != 0);
    }
    rect.left += kMarkSize + 2;
    HFONT font = reinterpret_cast<HFONT>(::SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
    HFONT bold = nullptr;
    if (face && face->fixedPitch) {
        LOGFONTA logFont{};
        ::GetObjectA(font ? font : ::GetStockObject(DEFAULT_GUI_FONT), sizeof(logFont), &logFont);
        logFont.lfWeight = FW_BOLD;
        bold = ::CreateFontIndirectA(&logFont);
    }
    HGDIOBJ old = ::SelectObject(item.hDC, bold ? bold : font);
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC, ::GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    const std::string text = ComboItemText(item.hwndItem, static_cast<int>(item.itemID));
    ::DrawTextA(item.hDC, text.c_str(), -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    ::SelectObject(item.hDC, old);
    if (bold) ::DeleteObject(bold);
}

void CFontPage::DrawSample(const DRAWITEMSTRUCT& item) {
    const FontScheme* scheme = Current();
    if (!scheme) {
        ::FillRect(item.hDC, &item.rcItem, ::GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    LOGFONTA logFont{};
    logFont.lfHeight = -::MulDiv(scheme->size, ::GetDeviceCaps(item.hDC, LOGPIXELSY), 72);
    logFont.lfWeight = scheme->bold ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = scheme->italics;
    logFont.lfUnderline = scheme->underlined;
    logFont.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(logFont.lfFaceName, scheme->face.c_str(), LF_FACESIZE);
    HFONT font = ::CreateFontIndirectA(&logFont);
    HBRUSH back = ::CreateSolidBrush(scheme->back);
    ::FillRect(item.hDC, &item.rcItem, back);
    ::DeleteObject(back);
    HGDIOBJ old = ::SelectObject(item.hDC, font);
    ::SetBkMode(item.hDC, TRANSPARENT);
    ::SetTextColor(item.hDC, scheme->fore);
    RECT rect = item.rcItem;
    ::DrawTextA(item.hDC, kSampleText, -1, &rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    ::SelectObject(item.hDC, old);
    ::DeleteObject(font);
}

void CFontPage::Apply() {
    // Keys past the schemes loaded stay as they are.
    const CFontSchemes store(m_context.settings);
    for (size_t i = 0; i < m_schemes.size(); ++i) store.SetText(static_cast<int>(i + 1), FontSchemeText(m_schemes[i]));
    // The main frame takes the chosen scheme again: the hex views' font,
    // "CurSel" and every open document.
    m_context.host.ApplyFontScheme();
}
