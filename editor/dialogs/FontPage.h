#pragma once
// The fonts page (IDD_OPTIONS_FONTS): the font schemes of the "FONT" section, one
// category each, with face, size, colours and bold/italics/underlined, a
// sample drawn in them and the style text they make. Apply writes the
// schemes back; the open documents are restyled when the dialog ends.
#include <windows.h>

#include <string>
#include <vector>

#include "ColorPickerButton.h"
#include "FontPageLogic.h"
#include "OptionsPage.h"
#include "resource.h"

class CFontPage : public COptionsPage {
public:
    explicit CFontPage(OptionsContext& context) : COptionsPage(IDD_OPTIONS_FONTS, context) {}

    void Apply() override;

    TW_BEGIN_MSG_MAP(CFontPage)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_MESSAGE_HANDLER(WM_MEASUREITEM, OnMeasureItem)
        TW_MESSAGE_HANDLER(WM_DRAWITEM, OnDrawItem)
        TW_COMMAND_HANDLER(IDC_FONT_CATEGORY, CBN_SELCHANGE, OnCategory)
        TW_COMMAND_HANDLER(IDC_FONT_FACE, CBN_SELCHANGE, OnFaceChosen)
        TW_COMMAND_HANDLER(IDC_FONT_FACE, CBN_EDITCHANGE, OnControlEdited)
        TW_COMMAND_HANDLER(IDC_FONT_SIZE, CBN_SELCHANGE, OnControlEdited)
        TW_COMMAND_HANDLER(IDC_FONT_SIZE, CBN_EDITCHANGE, OnControlEdited)
        TW_COMMAND_HANDLER(IDC_FONT_BOLD, BN_CLICKED, OnControlEdited)
        TW_COMMAND_HANDLER(IDC_FONT_ITALICS, BN_CLICKED, OnControlEdited)
        TW_COMMAND_HANDLER(IDC_FONT_UNDERLINE, BN_CLICKED, OnControlEdited)
        // The style text is the page's own output, not the user's input.
        TW_COMMAND_HANDLER(IDC_FONT_VALUE, EN_CHANGE, OnValueText)
        TW_NOTIFY_HANDLER(IDC_FONT_FORE, kColorChanged, OnColourChosen)
        TW_NOTIFY_HANDLER(IDC_FONT_BACK, kColorChanged, OnColourChosen)
        TW_CHAIN_MSG_MAP(COptionsPage)
    TW_END_MSG_MAP()

    // A face the combo lists, with what its drawing needs.
    struct Face {
        std::string name;
        DWORD type = 0;      // RASTER_FONTTYPE, TRUETYPE_FONTTYPE, ...
        DWORD ntmFlags = 0;  // NTM_PS_OPENTYPE, NTM_TT_OPENTYPE
        bool fixedPitch = false;
    };

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnMeasureItem(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnDrawItem(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnCategory(WORD, WORD, HWND, bool&);
    LRESULT OnFaceChosen(WORD, WORD, HWND, bool&);
    LRESULT OnControlEdited(WORD, WORD, HWND, bool&);
    LRESULT OnValueText(WORD, WORD, HWND, bool&) { return 0; }
    LRESULT OnColourChosen(int, NMHDR*, bool&);

    void FillFaces();
    void FillSizes(int faceItem);
    void ShowScheme(int index);
    // The controls into the current scheme; a change of the page.
    void ReadControls();
    void ShowResult();
    void DrawFaceItem(const DRAWITEMSTRUCT& item);
    void DrawSample(const DRAWITEMSTRUCT& item);
    FontScheme* Current();

    std::vector<FontScheme> m_schemes;
    int m_current = -1;
    std::vector<Face> m_faces;
    CColorPickerButton m_fore;
    CColorPickerButton m_back;
};
