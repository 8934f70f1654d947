// The go-to-line dialog driven through its modal loop: the label names the
// range, OK answers the number typed, Cancel and a box without a number -1.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "GoToLineDialog.h"
#include "ModalDialogDriver.h"

namespace {

std::string ItemText(HWND dialog, int id) {
    char text[256] = {};
    ::GetDlgItemTextA(dialog, id, text, sizeof(text));
    return text;
}

}  // namespace

TEST(GoToLineDialog, AnswersWhatWasTypedOrMinusOne) {
    const struct {
        const char* typed;  // null: Cancel
        int answer;
    } cases[] = {{"12", 12}, {"2", 2}, {"-5", -5}, {"", -1}, {"x", -1}, {nullptr, -1}};
    for (const auto& c : cases) {
        std::string label;
        DriveNextDialog([&](HWND dialog) {
            label = ItemText(dialog, IDC_GOTO_LINE_LABEL);
            if (c.typed) ::SetDlgItemTextA(dialog, IDC_GOTO_LINE_NUMBER, c.typed);
            ::PostMessageA(dialog, WM_COMMAND, c.typed ? IDOK : IDCANCEL, 0);
        });
        EXPECT_EQ(CGoToLineDialog::Prompt(nullptr, 345), c.answer) << (c.typed ? c.typed : "cancel");
        EXPECT_NE(label.find("(1 - 345)"), std::string::npos) << label;
    }
}
