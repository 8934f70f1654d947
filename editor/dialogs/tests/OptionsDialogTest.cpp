// The options dialog frame: template captions as logic; the real dialog run
// modally and driven from a timer, over pages that record what is asked of
// them.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "AppSettings.h"
#include "Dialog.h"
#include "DialogTemplateCaption.h"
#include "ModalDialogDriver.h"
#include "OptionsDialog.h"
#include "OptionsTestSupport.h"
#include "TempFolder.h"
#include "resource.h"

namespace {

TEST(DialogTemplateCaption, ReadsTheCaptionPastMenuAndClass) {
    CDialogTemplateBuilder plain(WS_POPUP, 0, 0, 0, 10, 10, L"Plain");
    EXPECT_EQ(L"Plain", DialogTemplateCaption(plain.Get(), 4096));

    // An extended template with a named menu and an ordinal class.
    std::vector<WORD> words = {1, 0xFFFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 10, 10, 'M', 'N', 0, 0xFFFF, 0x20, 'T', 'i', 0};
    EXPECT_EQ(L"Ti", DialogTemplateCaption(words.data(), words.size() * 2));
    // Cut short inside the caption.
    EXPECT_EQ(L"", DialogTemplateCaption(words.data(), (words.size() - 1) * 2));
    EXPECT_EQ(L"", DialogTemplateCaption(words.data(), 6));
}

TEST(DialogTemplateCaption, PageTitlesComeFromTheTemplatesInTheAnsiPage) {
    const struct {
        int id;
        const wchar_t* title;
    } pages[] = {{IDD_OPTIONS_GENERAL, L"常规"},
                 {IDD_OPTIONS_EDITOR, L"编辑"},
                 {IDD_OPTIONS_COLOURS, L"窗口颜色"},
                 {IDD_OPTIONS_VARIABLES, L"变量"},
                 {IDD_OPTIONS_UPDATE, L"自动升级"}};
    for (const auto& page : pages)
        EXPECT_EQ(Ansi(page.title), DialogResourceCaption(::GetModuleHandleA(nullptr), page.id, 64)) << page.id;
    // Cut at a character, never inside one: 4 bytes hold one character of 2.
    EXPECT_EQ(Ansi(L"窗"), DialogResourceCaption(::GetModuleHandleA(nullptr), IDD_OPTIONS_COLOURS, 4));
    EXPECT_EQ("", DialogResourceCaption(::GetModuleHandleA(nullptr), 9999, 64));
}

// A page that records its calls, and changes its first edit while it is
// being created.
class CRecordingPage : public COptionsPage {
public:
    CRecordingPage(int templateId, OptionsContext& context, std::vector<std::string>& log, const char* name)
        : COptionsPage(templateId, context), m_log(log), m_name(name) {}
    void Apply() override { m_log.push_back("apply " + m_name); }
    void Cancel() override { m_log.push_back("cancel " + m_name); }
    bool WasCreated() const { return m_initialised; }

    TW_BEGIN_MSG_MAP(CRecordingPage)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_CHAIN_MSG_MAP(COptionsPage)
    TW_END_MSG_MAP()

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
        m_initialised = true;
        ::SetDlgItemTextA(m_hWnd, IDC_VARIABLES_USER, "filled in");
        return TRUE;
    }
    std::vector<std::string>& m_log;
    std::string m_name;
    bool m_initialised = false;
};

class OptionsDialogTest : public ::testing::Test {
protected:
    OptionsDialogTest() : settings(folder.Path().c_str()), context{settings, host} {
        const char* names[] = {"a", "b", "c", "d"};
        for (const char* name : names)
            pages.push_back(std::make_unique<CRecordingPage>(IDD_OPTIONS_VARIABLES, context, log, name));
    }
    std::vector<COptionsPage*> List() {
        std::vector<COptionsPage*> list;
        for (auto& page : pages) list.push_back(page.get());
        return list;
    }
    // Runs the dialog on page `initial`; `step` drives it and ends it.
    INT_PTR Run(size_t initial, std::function<void(HWND)> step) {
        COptionsDialog dialog(List(), initial);
        DriveNextDialog(std::move(step));
        return dialog.Run(nullptr);
    }

    TempFolder folder;
    CAppSettings settings;
    RecordingOptionsHost host;
    OptionsContext context;
    std::vector<std::string> log;
    std::vector<std::unique_ptr<CRecordingPage>> pages;
};

TEST_F(OptionsDialogTest, PagesAreCreatedWhenFirstShown) {
    bool visibleBefore = false, visibleAfter = true;
    const INT_PTR result = Run(1, [&](HWND dialog) {
        EXPECT_EQ(1, ListSelection(dialog));
        EXPECT_EQ(Ansi(L"变量"), ListText(dialog, 3));
        visibleBefore = ::IsWindowVisible(pages[1]->m_hWnd) != FALSE;
        SelectPage(dialog, 3);
        visibleAfter = ::IsWindowVisible(pages[1]->m_hWnd) != FALSE;
        EXPECT_TRUE(::IsWindowVisible(pages[3]->m_hWnd));
        EXPECT_EQ(::GetParent(pages[3]->m_hWnd), dialog);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_TRUE(visibleBefore);
    EXPECT_FALSE(visibleAfter);
    EXPECT_FALSE(pages[0]->WasCreated());
    EXPECT_TRUE(pages[1]->WasCreated());
    EXPECT_FALSE(pages[2]->WasCreated());
    EXPECT_TRUE(pages[3]->WasCreated());
    // Nothing was changed, so nothing was applied; the created pages are gone.
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(::IsWindow(pages[1]->m_hWnd));
}

TEST_F(OptionsDialogTest, ApplyStoresTheChangedPagesInListOrder) {
    std::vector<std::vector<std::string>> seen;
    bool enabledAfterCreation = true, enabledAfterChange = false, enabledAfterApply = true;
    Run(3, [&](HWND dialog) {
        HWND apply = ::GetDlgItem(dialog, IDC_OPTIONS_APPLY);
        // The edit filled in while the page was being created is no change.
        enabledAfterCreation = ::IsWindowEnabled(apply) != FALSE;
        ::SendMessageA(dialog, WM_COMMAND, IDC_OPTIONS_APPLY, 0);
        seen.push_back(log);
        ::SetDlgItemTextA(pages[3]->m_hWnd, IDC_VARIABLES_USER, "typed");
        SelectPage(dialog, 0);
        ::SetDlgItemTextA(pages[0]->m_hWnd, IDC_VARIABLES_COMPANY, "typed");
        enabledAfterChange = ::IsWindowEnabled(apply) != FALSE;
        ::SendMessageA(dialog, WM_COMMAND, IDC_OPTIONS_APPLY, 0);
        enabledAfterApply = ::IsWindowEnabled(apply) != FALSE;
        seen.push_back(log);
        // The changed flags stay: Apply stores both again.
        ::SendMessageA(dialog, WM_COMMAND, IDC_OPTIONS_APPLY, 0);
        seen.push_back(log);
        ::PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
    EXPECT_FALSE(enabledAfterCreation);
    EXPECT_TRUE(enabledAfterChange);
    EXPECT_FALSE(enabledAfterApply);
    ASSERT_EQ(3u, seen.size());
    EXPECT_TRUE(seen[0].empty());
    EXPECT_EQ((std::vector<std::string>{"apply a", "apply d"}), seen[1]);
    EXPECT_EQ((std::vector<std::string>{"apply a", "apply d", "apply a", "apply d"}), seen[2]);
    EXPECT_EQ((std::vector<std::string>{"apply a", "apply d", "apply a", "apply d", "apply a", "apply d"}), log);
}

TEST_F(OptionsDialogTest, CancelAndCloseCancelEveryPageAndApplyNothing) {
    for (UINT ending : {(UINT)IDCANCEL, (UINT)WM_CLOSE}) {
        log.clear();
        for (auto& page : pages) page = std::make_unique<CRecordingPage>(IDD_OPTIONS_VARIABLES, context, log, "p");
        const INT_PTR result = Run(2, [&](HWND dialog) {
            ::SetDlgItemTextA(pages[2]->m_hWnd, IDC_VARIABLES_USER, "typed");
            if (ending == WM_CLOSE)
                ::PostMessageA(dialog, WM_CLOSE, 0, 0);
            else
                ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(IDCANCEL, result);
        EXPECT_EQ((std::vector<std::string>{"cancel p", "cancel p", "cancel p", "cancel p"}), log);
        EXPECT_FALSE(::IsWindow(pages[2]->m_hWnd));
    }
}

}  // namespace
