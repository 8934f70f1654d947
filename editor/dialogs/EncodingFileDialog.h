#pragma once
// The save dialog of Save As, with the line-end and encoding choices.
#include <windows.h>

#include <string>

#include "EncodingCodes.h"
#include "FileDialogExtension.h"

// Runs the common dialog; tests replace it to drive the dialog themselves.
using FileDialogRunner = BOOL (*)(OPENFILENAMEA* dialog);
// The runner of every dialog shown without one of its own; null restores the
// common dialogs. Answers the runner it replaced.
FileDialogRunner SetFileDialogRunner(FileDialogRunner runner);
FileDialogRunner CurrentFileDialogRunner();

class CEncodingFileDialog {
public:
    static constexpr WORD kLineEndLabel = 1056;
    static constexpr WORD kLineEndCombo = 1057;
    static constexpr WORD kEncodingLabel = 1101;
    static constexpr WORD kEncodingCombo = 1100;

    // filter: parts separated by NUL, ending with two.
    CEncodingFileDialog(const char* initialName, const char* filter);
    INT_PTR Run(HWND owner, FileDialogRunner runner = nullptr);
    const std::string& Path() const { return m_path; }
    EolCode LineEnd() const { return ToEolCode(m_lineEnd, kEolDefault); }
    EncodingCode Encoding() const { return ToEncodingCode(m_encoding, kEncodingDefault); }

private:
    std::string m_initialName;
    const char* m_filter;
    std::string m_path;
    int m_lineEnd = kEolDefault;  // the combo boxes' item codes
    int m_encoding = kEncodingDefault;
};
