#pragma once
// The open dialog of the open command: several files at once, each opened
// with the encoding code chosen in its box (kEncodingBinary: the hex view).
#include <windows.h>

#include <string>
#include <vector>

#include "EncodingFileDialog.h"

class CMultiOpenDialog {
public:
    static constexpr WORD kEncodingLabel = 1101;
    static constexpr WORD kEncodingCombo = 1100;
    // Room for many names; Wine truncates silently when it is too small.
    static constexpr DWORD kBufferSize = 65536;

    CMultiOpenDialog(const char* filter, const char* initialName = nullptr);
    void SetInitialFolder(const char* folder) { m_folder = folder ? folder : ""; }
    void SetMultiSelect(bool on) { m_multiSelect = on; }
    INT_PTR Run(HWND owner, FileDialogRunner runner = nullptr);
    const std::vector<std::string>& Paths() const { return m_paths; }
    EncodingCode Encoding() const { return ToEncodingCode(m_encoding, kEncodingDefault); }

private:
    const char* m_filter;
    std::string m_initialName;
    std::string m_folder;
    bool m_multiSelect = false;
    int m_encoding = kEncodingDefault;  // the combo box's item code
    std::vector<std::string> m_paths;
    // The name box and folder as they were at OK, typed or selected.
    std::string m_finalSpec;
    std::string m_finalFolder;
};
