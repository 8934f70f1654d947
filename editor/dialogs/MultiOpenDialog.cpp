#include "MultiOpenDialog.h"

#include <cderr.h>

#include "FileSelection.h"
#include "resource.h"

namespace {

std::string AskDialog(HWND dialog, UINT message) {
    const LRESULT length = ::SendMessageA(dialog, message, 0, 0);
    if (length <= 0) return "";
    std::string text((size_t)length + 1, '\0');
    ::SendMessageA(dialog, message, (WPARAM)text.size(), (LPARAM)text.data());
    text.resize(std::char_traits<char>::length(text.c_str()));
    return text;
}

}  // namespace

CMultiOpenDialog::CMultiOpenDialog(const char* filter, const char* initialName)
    : m_filter(filter), m_initialName(initialName ? initialName : "") {}

INT_PTR CMultiOpenDialog::Run(HWND owner, FileDialogRunner runner) {
    m_paths.clear();
    m_finalSpec.clear();
    m_finalFolder.clear();
    CFileDialogExtension extension({
        {kEncodingLabel, IDS_LABEL_ENCODING, kEncodingCombo,
         {{IDS_CHOICE_DEFAULT, nullptr, 5}, {0, "Binary", 6}, {0, "ANSI", 0}, {0, "UTF-8", 3},
          {0, "UTF-8 no bom", 4}, {0, "Unicode", 2}, {0, "Unicode big endian", 1}},
         &m_encoding},
    });
    extension.onNotify = [this](HWND child, const OFNOTIFYA& notify) {
        if (notify.hdr.code != CDN_FILEOK) return;
        HWND dialog = ::GetParent(child);
        m_finalSpec = AskDialog(dialog, CDM_GETSPEC);
        m_finalFolder = AskDialog(dialog, CDM_GETFOLDERPATH);
    };
    std::vector<char> buffer(kBufferSize, '\0');
    OPENFILENAMEA dialog = FileDialogRecord(owner, m_filter, buffer, m_initialName);
    dialog.lpstrDefExt = "txt";
    dialog.lpstrInitialDir = m_folder.empty() ? nullptr : m_folder.c_str();
    if (m_multiSelect) dialog.Flags |= OFN_ALLOWMULTISELECT;
    extension.Attach(dialog);
    if (!runner) runner = CurrentFileDialogRunner();
    const BOOL ok = runner ? runner(&dialog) : ::GetOpenFileNameA(&dialog);
    const bool tooSmall = !ok && ::CommDlgExtendedError() == FNERR_BUFFERTOOSMALL && !m_finalSpec.empty();
    if (!ok && !tooSmall) return IDCANCEL;
    // The buffer holds the names as the dialog resolved them (its default
    // extension and filter applied); only when it was too small does the
    // name box, which keeps every name as typed, stand in for it.
    if (ok) m_paths = PathsFromBuffer(buffer.data(), m_multiSelect);
    if (m_paths.empty() && m_multiSelect && !m_finalSpec.empty() && !m_finalFolder.empty())
        m_paths = PathsFromSelection(m_finalFolder, m_finalSpec);
    return m_paths.empty() ? IDCANCEL : IDOK;
}
