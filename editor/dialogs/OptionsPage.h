#pragma once
// COptionsPage: one page of the options dialog, a child dialog over its own
// template created the first time it is shown. The pages edit the settings
// handed to them in OptionsContext and reach the rest of the editor only
// through IOptionsHost.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ColorPickerButton.h"
#include "Dialog.h"

class CAppSettings;

// A check box that stands for one bit of a settings word.
struct BitControl {
    int id;
    uint32_t bit;
};

// What the pages ask of the editor around them.
class IOptionsHost {
public:
    virtual ~IOptionsHost() = default;
    // Writes "MRUSize" and re-reads the recent-file list with that length.
    virtual void SetRecentFileCount(int count) = 0;
    // Applies the current language again to every open editor document.
    virtual void RestyleDocuments() = 0;
    // Whether an update check can run; its button stays disabled until then.
    virtual bool CanCheckForUpdate() const { return false; }
    virtual void CheckForUpdate(bool /*force*/, bool /*silent*/) {}
    // The keys page's view of the main frame: its menu and accelerator
    // table, the key file's path, and the reload after the file was written.
    virtual HMENU MainMenu() const { return nullptr; }
    virtual std::vector<ACCEL> AcceleratorEntries() const { return {}; }
    virtual std::string KeymapPath() const { return {}; }
    virtual void ReloadKeymap() {}
    // The Tools menu and the tools' shortcuts again from the "TOOL" section.
    virtual void RebuildToolsMenu() {}
    // The chosen font scheme again from the "FONT" section, for every open
    // document.
    virtual void ApplyFontScheme() { RestyleDocuments(); }
};

// Lives while the dialog runs.
struct OptionsContext {
    CAppSettings& settings;
    IOptionsHost& host;
    // Set by a page whose Apply changed what the documents show; the
    // documents are restyled when the dialog ends.
    bool EditorSettingsChanged = false;
};

class COptionsPage : public CMsgDialog {
public:
    COptionsPage(int templateId, OptionsContext& context) : m_templateId(templateId), m_context(context) {}

    // Stores the controls into the settings.
    virtual void Apply() {}
    virtual void Cancel() {}
    // Creates the page inside the dialog at rect, after `after` in the
    // z-order, without activating it; null on failure.
    HWND Create(HWND dialog, const RECT& rect, HWND after, HWND applyButton);
    void Destroy();
    void Show(int command) { ::ShowWindow(m_hWnd, command); }
    // The caption of the page's template: at most 63 bytes and its NUL.
    std::string GetTitle() const;
    LRESULT SendPageMessage(UINT msg, WPARAM w = 0, LPARAM l = 0) { return ::SendMessageA(m_hWnd, msg, w, l); }

    int TemplateId() const { return m_templateId; }
    bool IsCreated() const { return m_created; }
    void SetCreated() { m_created = true; }
    bool IsChanged() const { return m_changed; }

    // Colour buttons draw and open themselves; a colour change, a button
    // click and an edit change count as a change of the page.
    TW_BEGIN_MSG_MAP(COptionsPage)
        TW_REFLECT_COLOR_BUTTONS()
        TW_NOTIFY_CODE_HANDLER(kColorChanged, OnColorChanged)
        TW_COMMAND_CODE_HANDLER(BN_CLICKED, OnControlChanged)
        TW_COMMAND_CODE_HANDLER(EN_CHANGE, OnControlChanged)
    TW_END_MSG_MAP()

protected:
    // The user changed a control. Changes made while the page is being
    // created (its controls being filled in) do not count.
    void SetChanged();
    LRESULT OnControlChanged(WORD, WORD, HWND, bool&) {
        SetChanged();
        return 0;
    }
    LRESULT OnColorChanged(int, NMHDR*, bool&) {
        SetChanged();
        return 0;
    }

    // Helpers of the pages' filling and storing.
    bool IsChecked(int id) const { return ::IsDlgButtonChecked(m_hWnd, id) == BST_CHECKED; }
    void Check(int id, bool checked) const { ::CheckDlgButton(m_hWnd, id, checked ? BST_CHECKED : BST_UNCHECKED); }
    void Enable(int id, bool enable) const { ::EnableWindow(::GetDlgItem(m_hWnd, id), enable); }
    // The edit's number, or fallback when it holds none.
    int ReadNumber(int id, int fallback) const;
    // The edit's number kept within [low, high]; fallback when it holds none.
    int ReadNumberInRange(int id, int fallback, int low, int high) const;
    void CheckBits(const BitControl* controls, size_t count, uint32_t word) const;
    // word with each control's bit set from its check box.
    uint32_t StoreBits(const BitControl* controls, size_t count, uint32_t word) const;
    // Sets an up-down control's range.
    void SetSpinRange(int id, int low, int high) const;
    std::string ReadText(int id, size_t maxBytes) const;

    const int m_templateId;
    OptionsContext& m_context;

private:
    HWND m_apply = nullptr;
    bool m_created = false;
    bool m_changed = false;
};
