#include "EncodingFileDialog.h"

#include <vector>

#include "resource.h"

namespace {
FileDialogRunner g_runner = nullptr;
}

FileDialogRunner SetFileDialogRunner(FileDialogRunner runner) {
    FileDialogRunner previous = g_runner;
    g_runner = runner;
    return previous;
}

FileDialogRunner CurrentFileDialogRunner() { return g_runner; }

CEncodingFileDialog::CEncodingFileDialog(const char* initialName, const char* filter)
    : m_initialName(initialName ? initialName : ""), m_filter(filter) {}

INT_PTR CEncodingFileDialog::Run(HWND owner, FileDialogRunner runner) {
    CFileDialogExtension extension({
        {kLineEndLabel, IDS_LABEL_LINE_END, kLineEndCombo,
         {{IDS_CHOICE_DEFAULT, nullptr, 3}, {IDS_EOL_WINDOWS, nullptr, 0}, {IDS_EOL_UNIX, nullptr, 2},
          {IDS_EOL_MAC, nullptr, 1}},
         &m_lineEnd},
        {kEncodingLabel, IDS_LABEL_ENCODING, kEncodingCombo,
         {{IDS_CHOICE_DEFAULT, nullptr, 5}, {0, "ANSI", 0}, {0, "UTF-8", 3}, {0, "UTF-8 no bom", 4},
          {0, "Unicode", 2}, {0, "Unicode big endian", 1}},
         &m_encoding},
    });
    std::vector<char> buffer(MAX_PATH * 4, '\0');
    OPENFILENAMEA dialog = FileDialogRecord(owner, m_filter, buffer, m_initialName);
    extension.Attach(dialog);
    if (!runner) runner = g_runner;
    const BOOL ok = runner ? runner(&dialog) : ::GetSaveFileNameA(&dialog);
    if (!ok) return IDCANCEL;
    m_path = buffer.data();
    return IDOK;
}
