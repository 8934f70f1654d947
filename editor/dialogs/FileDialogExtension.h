#pragma once
// The child template the open and save dialogs carry below the standard
// controls: labelled combo boxes whose items hold codes, lined up with the
// standard file-type box.
#include <windows.h>
#include <commdlg.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Dialog.h"
#include "MessageMap.h"

// A dialog record over a file-name buffer that starts with initialName;
// flags OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY.
OPENFILENAMEA FileDialogRecord(HWND owner, const char* filter, std::vector<char>& buffer, const std::string& initialName);

struct ComboChoice {
    UINT textId;       // string resource, or 0 for text
    const char* text;
    int code;
};

struct ComboSpec {
    WORD labelId;
    UINT labelTextId;
    WORD comboId;
    std::vector<ComboChoice> choices;
    int* code;  // receives the chosen item's code
};

class CFileDialogExtension : public CMessageMap {
public:
    explicit CFileDialogExtension(std::vector<ComboSpec> combos);
    // Fills the dialog record's template, hook and custom data.
    void Attach(OPENFILENAMEA& dialog);
    // The child's window while the dialog runs.
    HWND Window() const { return m_window; }
    // Called with the standard dialog's notification (CDN_*).
    std::function<void(HWND child, const OFNOTIFYA&)> onNotify;

    TW_BEGIN_MSG_MAP(CFileDialogExtension)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_MESSAGE_HANDLER(WM_SIZE, OnSize)
        TW_COMMAND_CODE_HANDLER(CBN_SELCHANGE, OnSelChange)
        TW_MESSAGE_HANDLER(WM_NOTIFY, OnNotify)
    TW_END_MSG_MAP()

    static constexpr WORD kFileTypeCombo = 1136;
    static constexpr WORD kFileTypeLabel = 1089;
    static constexpr WORD kPlacesBar = 1184;

private:
    static UINT_PTR CALLBACK HookProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSize(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnSelChange(WORD, WORD, HWND, bool&);
    LRESULT OnNotify(UINT, WPARAM, LPARAM, bool&);
    void Layout();
    RECT ParentControlRect(WORD id) const;

    std::vector<ComboSpec> m_combos;
    std::unique_ptr<CDialogTemplateBuilder> m_template;  // alive while the dialog runs
    HWND m_window = nullptr;

public:
    ~CFileDialogExtension() override = default;
    CFileDialogExtension(const CFileDialogExtension&) = delete;
    CFileDialogExtension& operator=(const CFileDialogExtension&) = delete;
};
