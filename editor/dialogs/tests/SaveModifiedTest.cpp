// The save-modified dialog: its last-modified texts, column widths and
// collections as logic, and the real dialog driven from a timer while it
// runs modally.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "CheckBoxImages.h"
#include "LastModifiedText.h"
#include "ModalDialogDriver.h"
#include "ModifiedDocument.h"
#include "SaveModifiedDialog.h"

namespace {

SYSTEMTIME At(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME t{};
    t.wYear = year;
    t.wMonth = month;
    t.wDay = day;
    t.wHour = hour;
    t.wMinute = minute;
    t.wSecond = second;
    return t;
}

DATE Date(const SYSTEMTIME& t) {
    DATE date = 0;
    ::SystemTimeToVariantTime(const_cast<SYSTEMTIME*>(&t), &date);
    return date;
}

TEST(LastModifiedText, FollowsTheDistanceToNow) {
    SYSTEMTIME now = At(2024, 3, 5, 10, 2, 0);
    struct Row { SYSTEMTIME then; SYSTEMTIME now; const char* expected; } rows[] = {
        {At(2024, 3, 5, 10, 0, 30), now, "2 minutes ago"},
        {At(2024, 3, 5, 10, 59, 0), At(2024, 3, 5, 11, 1, 0), "1 hour ago"},
        {At(2024, 3, 5, 8, 30, 0), now, "2 hours ago"},
        {At(2024, 3, 5, 10, 1, 59), At(2024, 3, 5, 10, 2, 0), "1 minute ago"},
        {At(2024, 3, 5, 10, 2, 0), At(2024, 3, 5, 10, 2, 1), "1 second ago"},
        {At(2024, 3, 4, 23, 59, 0), now, "Yesterday, 11:59 PM"},
        {At(2024, 3, 3, 9, 7, 0), now, "3/3/2024 9:07 AM"},
        {At(2023, 12, 31, 9, 7, 0), At(2024, 1, 1, 8, 0, 0), "12/31/2023 9:07 AM"},
        {At(2024, 3, 5, 10, 30, 0), now, "3/5/2024 10:30 AM"},  // in the future
        {At(2024, 3, 5, 10, 2, 0), now, "3/5/2024 10:02 AM"},   // the same moment
    };
    for (const Row& row : rows) EXPECT_EQ(row.expected, LastModifiedText(Date(row.then), row.now)) << row.expected;
    EXPECT_EQ("", LastModifiedText(0, now));
    EXPECT_EQ("Invalid DateTime", LastModifiedText(1e10, now));
}

TEST(ColumnWidths, SplitTheListByWhatHasContent) {
    struct Row { bool path, time; int name, pathWidth, timeWidth; } rows[] = {
        {false, false, 400, 0, 0}, {false, true, 300, 0, 100}, {true, true, 120, 180, 100}, {true, false, 140, 260, 0}};
    for (const Row& row : rows) {
        ColumnWidths widths = ComputeColumnWidths(400, row.path, row.time);
        EXPECT_EQ(row.name, widths.name);
        EXPECT_EQ(row.pathWidth, widths.path);
        EXPECT_EQ(row.timeWidth, widths.time);
    }
}

TEST(ModifiedDocumentList, KeepsOrderOwnersAndReferences) {
    long lockBefore = ModifiedDocumentLockCount();
    {
        CModifiedDocumentList* list = CModifiedDocumentList::Create();
        CModifiedDocument* a = list->Add(nullptr, "a", "C:\\a", 0);
        CModifiedDocument* b = CModifiedDocument::Create(nullptr, "b", 0);
        list->InsertAt(100, b);  // past the end appends
        EXPECT_EQ(list, b->Owner());
        b->Release();
        EXPECT_EQ(1, list->IndexOf(b));
        EXPECT_EQ(-1, list->IndexOf(nullptr));
        CModifiedDocument* out = nullptr;
        EXPECT_EQ(E_INVALIDARG, list->ItemAt(2, &out));
        EXPECT_EQ(E_INVALIDARG, list->ItemAt(-1, &out));
        ASSERT_EQ(S_OK, list->ItemAt(0, &out));
        EXPECT_EQ(a, out);
        out->AddRef();  // keep a alive past its removal
        EXPECT_EQ(S_OK, list->RemoveAt(0));
        EXPECT_EQ(nullptr, a->Owner());
        EXPECT_EQ(1, list->Count());

        CModifiedDocumentList* other = CModifiedDocumentList::Create();
        other->Add(nullptr, "c", "", 0);
        other->Add(nullptr, "d", "", 0);
        list->InsertList(-1, other);
        ASSERT_EQ(3, list->Count());
        CModifiedDocument* third = nullptr;
        list->ItemAt(2, &third);
        EXPECT_EQ("d", third->DisplayName());
        third->Release();

        CModifiedDocumentList* subs = a->SubItems();
        CModifiedDocumentList* again = a->SubItems();
        EXPECT_EQ(subs, again);
        subs->Release();
        again->Release();
        CModifiedDocument* copy = CModifiedDocument::Create(nullptr, "", 0);
        a->CopyTo(copy);
        EXPECT_EQ("C:\\a", copy->FullPath());
        copy->Release();
        out->Release();
        out->Release();
        other->Release();
        list->Release();
    }
    EXPECT_EQ(lockBefore, ModifiedDocumentLockCount()) << "every item and list was freed";
}

INT_PTR RunDialog(CModifiedDocumentList* list, std::function<void(HWND)> step,
                  SaveModifiedCancel cancel = SaveModifiedCancel::Offered) {
    DriveNextDialog(std::move(step));
    CSaveModifiedDialog dialog(list, cancel);
    return dialog.Run(nullptr);
}

int TickedRows(HWND list) {
    int ticked = 0;
    for (int i = 0; i < ListView_GetItemCount(list); ++i)
        if ((ListView_GetItemState(list, i, LVIS_STATEIMAGEMASK) >> 12) == kCheckTicked) ++ticked;
    return ticked;
}

void Key(HWND list, WPARAM key) { ::SendMessageA(list, WM_KEYDOWN, key, 0); }

void Focus(HWND list, int row, bool select) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(list, row, LVIS_FOCUSED | (select ? LVIS_SELECTED : 0), LVIS_FOCUSED | LVIS_SELECTED);
}

class SaveModifiedDialogTest : public ::testing::Test {
protected:
    void SetUp() override { list = CModifiedDocumentList::Create(); }
    void TearDown() override {
        list->Release();
    }
    std::string NameAt(long index) {
        CModifiedDocument* item = nullptr;
        if (FAILED(list->ItemAt(index, &item))) return "?";
        std::string name = item->DisplayName();
        item->Release();
        return name;
    }
    CModifiedDocumentList* list = nullptr;
};

TEST_F(SaveModifiedDialogTest, AnUntitledDocumentIsOneTickedRowThatYesKeeps) {
    long lockBefore = ModifiedDocumentLockCount();
    list->Add(nullptr, "", "", 0);
    std::string rowText;
    int ticked = 0;
    INT_PTR result = RunDialog(list, [&](HWND dialog) {
        HWND view = ::GetDlgItem(dialog, CSaveModifiedDialog::kListId);
        char text[64] = {};
        ListView_GetItemText(view, 0, 0, text, sizeof(text));
        rowText = text;
        ticked = TickedRows(view);
        ::PostMessageA(dialog, WM_COMMAND, IDYES, 0);
    });
    EXPECT_EQ(IDYES, result);
    EXPECT_EQ("(New)", rowText);
    EXPECT_EQ(1, ticked);
    EXPECT_EQ(1, list->Count());
    EXPECT_EQ(lockBefore + 1, ModifiedDocumentLockCount()) << "the rows released their references";
}

TEST_F(SaveModifiedDialogTest, UntickingARowWithSpaceRemovesExactlyThatItem) {
    for (const char* name : {"one", "two", "three"}) list->Add(nullptr, name, std::string("C:\\") + name, 0);
    int tickedAfterCtrlSpace = -1;
    INT_PTR result = RunDialog(list, [&](HWND dialog) {
        HWND view = ::GetDlgItem(dialog, CSaveModifiedDialog::kListId);
        Focus(view, 1, false);
        // Ctrl+Space does nothing.
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_CONTROL] = 0x80;
        ::SetKeyboardState(keys);
        Key(view, VK_SPACE);
        tickedAfterCtrlSpace = TickedRows(view);
        keys[VK_CONTROL] = 0;
        ::SetKeyboardState(keys);
        Key(view, VK_SPACE);
        ::PostMessageA(dialog, WM_COMMAND, IDYES, 0);
    });
    EXPECT_EQ(IDYES, result);
    EXPECT_EQ(3, tickedAfterCtrlSpace);
    ASSERT_EQ(2, list->Count());
    EXPECT_EQ("one", NameAt(0));
    EXPECT_EQ("three", NameAt(1));
}

TEST_F(SaveModifiedDialogTest, SpaceOnASelectedRowSetsEverySelectedRow) {
    for (const char* name : {"a", "b", "c"}) list->Add(nullptr, name, "", 0);
    int ticked = -1;
    INT_PTR result = RunDialog(list, [&](HWND dialog) {
        HWND view = ::GetDlgItem(dialog, CSaveModifiedDialog::kListId);
        Focus(view, 0, true);
        ListView_SetItemState(view, 2, LVIS_SELECTED, LVIS_SELECTED);
        Key(view, VK_SPACE);
        ticked = TickedRows(view);
        Key(view, 'N');  // typed N answers No
    });
    EXPECT_EQ(IDNO, result);
    EXPECT_EQ(1, ticked);
    EXPECT_EQ(3, list->Count()) << "No leaves the collection alone";
}

TEST_F(SaveModifiedDialogTest, AClickOnTheCheckBoxTogglesItsRow) {
    for (const char* name : {"a", "b"}) list->Add(nullptr, name, "", 0);
    static NMITEMACTIVATE click{};
    INT_PTR result = RunDialog(list, [&](HWND dialog) {
        HWND view = ::GetDlgItem(dialog, CSaveModifiedDialog::kListId);
        RECT bounds;
        ListView_GetItemRect(view, 1, &bounds, LVIR_BOUNDS);
        POINT point{bounds.left + 6, (bounds.top + bounds.bottom) / 2};
        ::ClientToScreen(view, &point);
        // A posted message carries the cursor position the dialog reads back.
        ::SetCursorPos(point.x, point.y);
        click.hdr = {view, (UINT_PTR)CSaveModifiedDialog::kListId, (UINT)NM_CLICK};
        click.iItem = 1;
        ::PostMessageA(dialog, WM_NOTIFY, CSaveModifiedDialog::kListId, (LPARAM)&click);
        ::PostMessageA(view, WM_KEYDOWN, 'Y', 0);
    });
    EXPECT_EQ(IDYES, result);
    ASSERT_EQ(1, list->Count());
    EXPECT_EQ("a", NameAt(0));
}

TEST_F(SaveModifiedDialogTest, WithoutCancelNothingCancels) {
    list->Add(nullptr, "a", "", 0);
    bool cancelEnabled = true, hasClose = true, stillOpen = false;
    INT_PTR result = RunDialog(list, [&](HWND dialog) {
        cancelEnabled = ::IsWindowEnabled(::GetDlgItem(dialog, IDCANCEL));
        hasClose = ::GetMenuState(::GetSystemMenu(dialog, FALSE), SC_CLOSE, MF_BYCOMMAND) != (UINT)-1;
        ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        ::SendMessageA(dialog, WM_CLOSE, 0, 0);
        ::SendMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
        stillOpen = ::IsWindow(dialog) && ::IsWindowVisible(dialog);
        ::PostMessageA(dialog, WM_COMMAND, IDNO, 0);
    }, SaveModifiedCancel::Refused);
    EXPECT_FALSE(cancelEnabled);
    EXPECT_FALSE(hasClose);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(IDNO, result);
}

TEST_F(SaveModifiedDialogTest, CancelEndsTheRunWhenOffered) {
    list->Add(nullptr, "a", "", 0);
    INT_PTR result = RunDialog(list, [&](HWND dialog) { ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(1, list->Count());
}

TEST(CheckBoxImages, ThemedAndClassicImagesAreDrawn) {
    for (CheckBoxStyle style : {CheckBoxStyle::Themed, CheckBoxStyle::Classic}) {
        SetCheckBoxStyle(style);
        HIMAGELIST images = CreateCheckBoxImages(16, 16);
        ASSERT_TRUE(images);
        EXPECT_EQ(3, ::ImageList_GetImageCount(images));
        // The unticked and ticked images differ.
        IMAGEINFO unticked{}, ticked{};
        ::ImageList_GetImageInfo(images, 0, &unticked);
        ::ImageList_GetImageInfo(images, 1, &ticked);
        HDC dc = ::CreateCompatibleDC(nullptr);
        HBITMAP bitmap = ::CreateBitmap(32, 16, 1, 32, nullptr);
        HGDIOBJ old = ::SelectObject(dc, bitmap);
        ::ImageList_Draw(images, 0, dc, 0, 0, ILD_NORMAL);
        ::ImageList_Draw(images, 1, dc, 16, 0, ILD_NORMAL);
        int differing = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (::GetPixel(dc, x, y) != ::GetPixel(dc, x + 16, y)) ++differing;
        ::SelectObject(dc, old);
        ::DeleteObject(bitmap);
        ::DeleteDC(dc);
        ::ImageList_Destroy(images);
        EXPECT_GT(differing, 0) << (style == CheckBoxStyle::Themed ? "themed" : "classic");
    }
    SetCheckBoxStyle(CheckBoxStyle::Automatic);
}

}  // namespace
