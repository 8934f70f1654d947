#include "FileDialogExtension.h"

#include <algorithm>
#include <cstring>

#include "Dialog.h"
#include "ResourceText.h"

namespace {

constexpr short kRowHeight = 18;
constexpr WORD kComboClass = 0x0085;
constexpr WORD kStaticClass = 0x0082;

HINSTANCE ResourceModule() { return ::GetModuleHandleA(nullptr); }

}  // namespace

OPENFILENAMEA FileDialogRecord(HWND owner, const char* filter, std::vector<char>& buffer, const std::string& initialName) {
    lstrcpynA(buffer.data(), initialName.c_str(), (int)buffer.size());
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter;
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = (DWORD)buffer.size();
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
    return dialog;
}

CFileDialogExtension::CFileDialogExtension(std::vector<ComboSpec> combos) : m_combos(std::move(combos)) {}

void CFileDialogExtension::Attach(OPENFILENAMEA& dialog) {
    const short height = (short)(4 + kRowHeight * (short)m_combos.size());
    CDialogTemplateBuilder builder(WS_CHILD | WS_CLIPSIBLINGS | DS_3DLOOK | DS_CONTROL, 0, 0, 0, 300, height, "");
    for (size_t i = 0; i < m_combos.size(); ++i) {
        const short y = (short)(4 + kRowHeight * (short)i);
        const std::string label = LoadText(m_combos[i].labelTextId);
        builder.AddItem(WS_CHILD | WS_VISIBLE, 0, 5, (short)(y + 2), 50, 10, m_combos[i].labelId, kStaticClass,
                        label.c_str());
        builder.AddItem(WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, 0, 60, y, 150, 100,
                        m_combos[i].comboId, kComboClass, "");
    }
    m_template = std::make_unique<CDialogTemplateBuilder>(std::move(builder));
    // A template handle is the template's memory itself.
    dialog.hInstance = (HINSTANCE)m_template->Get();
    dialog.Flags |= OFN_EXPLORER | OFN_ENABLEHOOK | OFN_ENABLETEMPLATEHANDLE;
    dialog.lpfnHook = HookProc;
    dialog.lCustData = (LPARAM)this;
}

UINT_PTR CALLBACK CFileDialogExtension::HookProc(HWND child, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<CFileDialogExtension*>(reinterpret_cast<OPENFILENAMEA*>(lParam)->lCustData);
        ::SetWindowLongPtrA(child, DWLP_USER, (LONG_PTR)self);
    }
    auto* self = reinterpret_cast<CFileDialogExtension*>(::GetWindowLongPtrA(child, DWLP_USER));
    if (!self) return 0;
    self->m_window = child;
    LRESULT result = 0;
    if (!self->ProcessWindowMessage(child, msg, wParam, lParam, result)) return 0;
    return (UINT_PTR)result;
}

RECT CFileDialogExtension::ParentControlRect(WORD id) const {
    RECT rect{};
    HWND control = ::GetDlgItem(::GetParent(m_window), id);
    if (!control) return rect;
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, m_window, (POINT*)&rect, 2);
    return rect;
}

LRESULT CFileDialogExtension::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    for (const ComboSpec& spec : m_combos) {
        HWND combo = ::GetDlgItem(m_window, spec.comboId);
        for (const ComboChoice& choice : spec.choices) {
            const std::string text = choice.textId ? LoadText(choice.textId) : std::string(choice.text);
            const LRESULT index = ::SendMessageA(combo, CB_ADDSTRING, 0, (LPARAM)text.c_str());
            ::SendMessageA(combo, CB_SETITEMDATA, (WPARAM)index, choice.code);
        }
        ::SendMessageA(combo, CB_SETCURSEL, 0, 0);
    }
    // As wide as the dialog, and tall enough to keep a frame's height below
    // the last combo.
    RECT parent{}, child{}, last{};
    ::GetClientRect(::GetParent(m_window), &parent);
    ::GetClientRect(m_window, &child);
    if (!m_combos.empty()) {
        ::GetWindowRect(::GetDlgItem(m_window, m_combos.back().comboId), &last);
        ::MapWindowPoints(nullptr, m_window, (POINT*)&last, 2);
    }
    const int below = child.bottom - last.bottom;
    const int extra = std::max(0, ::GetSystemMetrics(SM_CYFRAME) - below);
    ::SetWindowPos(m_window, nullptr, 0, 0, parent.right, child.bottom + extra,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Layout();
    return TRUE;
}

LRESULT CFileDialogExtension::OnSize(UINT, WPARAM, LPARAM, bool& handled) {
    handled = false;
    if (m_window) Layout();
    return 0;
}

void CFileDialogExtension::Layout() {
    const RECT typeCombo = ParentControlRect(kFileTypeCombo);
    const RECT typeLabel = ParentControlRect(kFileTypeLabel);
    RECT lastCombo{};
    for (const ComboSpec& spec : m_combos) {
        HWND combo = ::GetDlgItem(m_window, spec.comboId);
        HWND label = ::GetDlgItem(m_window, spec.labelId);
        RECT rect{};
        if (combo && typeCombo.right > typeCombo.left) {
            ::GetWindowRect(combo, &rect);
            ::MapWindowPoints(nullptr, m_window, (POINT*)&rect, 2);
            ::MoveWindow(combo, typeCombo.left, rect.top, typeCombo.right - typeCombo.left, rect.bottom - rect.top,
                         TRUE);
            ::GetWindowRect(combo, &lastCombo);
        }
        if (label && typeLabel.right > typeLabel.left) {
            ::GetWindowRect(label, &rect);
            ::MapWindowPoints(nullptr, m_window, (POINT*)&rect, 2);
            ::MoveWindow(label, typeLabel.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
        }
    }
    HWND parent = ::GetParent(m_window);
    HWND places = ::GetDlgItem(parent, kPlacesBar);
    if (places && lastCombo.bottom > 0) {
        RECT rect{};
        ::GetWindowRect(places, &rect);
        ::MapWindowPoints(nullptr, parent, (POINT*)&rect, 2);
        POINT bottom{0, lastCombo.bottom};
        ::ScreenToClient(parent, &bottom);
        ::SetWindowPos(places, nullptr, 0, 0, rect.right - rect.left, bottom.y - rect.top,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

LRESULT CFileDialogExtension::OnSelChange(WORD, WORD id, HWND combo, bool& handled) {
    for (ComboSpec& spec : m_combos) {
        if (spec.comboId != id) continue;
        const LRESULT index = ::SendMessageA(combo, CB_GETCURSEL, 0, 0);
        if (index != CB_ERR && spec.code) *spec.code = (int)::SendMessageA(combo, CB_GETITEMDATA, (WPARAM)index, 0);
        return 0;
    }
    handled = false;
    return 0;
}

LRESULT CFileDialogExtension::OnNotify(UINT, WPARAM, LPARAM lParam, bool& handled) {
    const auto* notify = reinterpret_cast<const OFNOTIFYA*>(lParam);
    if (onNotify) onNotify(m_window, *notify);
    handled = false;
    return 0;
}
