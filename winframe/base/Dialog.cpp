#include "Dialog.h"

#include <string>

#include "WideText.h"

namespace {

// Messages whose dialog-procedure answer is the value itself rather than
// TRUE with the value in DWLP_MSGRESULT.
bool ReturnsValueDirectly(UINT msg) {
    switch (msg) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}

}  // namespace

INT_PTR CALLBACK CMsgDialog::StartDialogProc(HWND hWnd, UINT msg, WPARAM w, LPARAM l) {
    CMsgDialog* self = static_cast<CMsgDialog*>(FromHandle(hWnd));
    if (!self) {
        self = static_cast<CMsgDialog*>(TakeCreating());
        if (!self) return FALSE;
        self->Bind(hWnd);
    }
    bool handled = false;
    LRESULT result = self->Dispatch(hWnd, msg, w, l, &handled);
    if (!handled) return FALSE;
    if (ReturnsValueDirectly(msg)) return (INT_PTR)result;
    if (::IsWindow(hWnd)) ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CMsgDialog::DoModal(HWND parent, int templateId, HINSTANCE instance) {
    SetCreating(this);
    INT_PTR result = ::DialogBoxParamA(instance ? instance : ::GetModuleHandleA(nullptr),
                                       MAKEINTRESOURCEA(templateId), parent, StartDialogProc, 0);
    TakeCreating();
    return result;
}

INT_PTR CMsgDialog::DoModalIndirect(HWND parent, const DLGTEMPLATE* dialogTemplate) {
    SetCreating(this);
    INT_PTR result = ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr), dialogTemplate, parent,
                                               StartDialogProc, 0);
    TakeCreating();
    return result;
}

HWND CMsgDialog::CreateModeless(HWND parent, int templateId, HINSTANCE instance) {
    SetCreating(this);
    HWND hWnd = ::CreateDialogParamA(instance ? instance : ::GetModuleHandleA(nullptr),
                                     MAKEINTRESOURCEA(templateId), parent, StartDialogProc, 0);
    TakeCreating();
    return hWnd;
}

HWND CMsgDialog::CreateModelessIndirect(HWND parent, const DLGTEMPLATE* dialogTemplate) {
    SetCreating(this);
    HWND hWnd = ::CreateDialogIndirectParamA(::GetModuleHandleA(nullptr), dialogTemplate, parent,
                                             StartDialogProc, 0);
    TakeCreating();
    return hWnd;
}

BOOL CModelessDialog::PreTranslateMessage(MSG* msg) {
    return m_hWnd && ::IsDialogMessageA(m_hWnd, msg);
}

void CModelessDialog::AttachToMessageLoop() {
    if (m_loop) return;
    m_loop = g_module.GetMessageLoop();
    if (m_loop) m_loop->AddMessageFilter(this);
}

void CModelessDialog::OnFinalMessage(HWND) {
    if (m_loop) m_loop->RemoveMessageFilter(this);
    m_loop = nullptr;
}

CDialogTemplateBuilder::CDialogTemplateBuilder(DWORD style, DWORD exStyle, short x, short y, short cx, short cy,
                                               const char* title, const char* fontFace, WORD pointSize)
    : CDialogTemplateBuilder(style, exStyle, x, y, cx, cy, ToWide(title ? title : "").c_str(),
                             fontFace ? ToWide(fontFace).c_str() : nullptr, pointSize) {}

CDialogTemplateBuilder::CDialogTemplateBuilder(DWORD style, DWORD exStyle, short x, short y, short cx, short cy,
                                               const wchar_t* title, const wchar_t* fontFace, WORD pointSize) {
    if (fontFace) style |= DS_SETFONT;
    AddDword(style);
    AddDword(exStyle);
    m_countOffset = m_words.size();
    AddWord(0);  // item count, filled in by AddItem
    AddWord((WORD)x);
    AddWord((WORD)y);
    AddWord((WORD)cx);
    AddWord((WORD)cy);
    AddWord(0);  // no menu
    AddWord(0);  // the predefined dialog class
    AddString(title ? title : L"");
    if (fontFace) {
        AddWord(pointSize);
        AddString(fontFace);
    }
}

void CDialogTemplateBuilder::AlignDword() {
    if (m_words.size() % 2) AddWord(0);
}

void CDialogTemplateBuilder::AddString(const wchar_t* text) {
    for (const wchar_t* p = text; *p; ++p) AddWord((WORD)*p);
    AddWord(0);
}

void CDialogTemplateBuilder::AddItem(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, WORD id,
                                     WORD windowClass, const char* text, const char* className) {
    AddItem(style, exStyle, x, y, cx, cy, id, windowClass, ToWide(text ? text : "").c_str(),
            className ? ToWide(className).c_str() : nullptr);
}

void CDialogTemplateBuilder::AddItem(DWORD style, DWORD exStyle, short x, short y, short cx, short cy, WORD id,
                                     WORD windowClass, const wchar_t* text, const wchar_t* className) {
    AlignDword();
    AddDword(style | WS_CHILD);
    AddDword(exStyle);
    AddWord((WORD)x);
    AddWord((WORD)y);
    AddWord((WORD)cx);
    AddWord((WORD)cy);
    AddWord(id);
    if (windowClass) {
        AddWord(0xFFFF);
        AddWord(windowClass);
    } else {
        AddString(className ? className : L"");
    }
    AddString(text ? text : L"");
    AddWord(0);  // no creation data
    ++m_words[m_countOffset];
}
