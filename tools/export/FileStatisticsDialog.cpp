#include "FileStatisticsDialog.h"

#include <cstdio>

#include "CenterOnOwner.h"
#include "Checksums.h"
#include "EditorView.h"

DocumentCounts CFileStatisticsDialog::CountsOf(const CEditorView& view, const std::string& path) {
    DocumentCounts counts;
    counts.path = path;
    counts.lines = static_cast<int>(view.Send(SCI_GETLINECOUNT));
    counts.characters = static_cast<size_t>(view.Send(SCI_GETLENGTH));
    counts.words = view.CountWords();
    return counts;
}

INT_PTR CFileStatisticsDialog::Show(HWND owner, const CEditorView& view, const std::string& path) {
    CFileStatisticsDialog dialog(CountsOf(view, path));
    return dialog.DoModal(owner, IDD_FILE_STATISTICS);
}

LRESULT CFileStatisticsDialog::OnInitDialog(UINT, WPARAM, LPARAM, bool&) {
    const HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
    CenterOnOwner(m_hWnd);
    ::SetDlgItemTextA(m_hWnd, IDC_STATS_PATH, m_counts.path.c_str());
    char number[32];
    std::snprintf(number, sizeof number, "%d", m_counts.lines);
    ::SetDlgItemTextA(m_hWnd, IDC_STATS_LINES, number);
    std::snprintf(number, sizeof number, "%zu", m_counts.characters);
    ::SetDlgItemTextA(m_hWnd, IDC_STATS_CHARACTERS, number);
    std::snprintf(number, sizeof number, "%zu", m_counts.words);
    ::SetDlgItemTextA(m_hWnd, IDC_STATS_WORDS, number);
    for (int id : {IDC_STATS_SIZE, IDC_STATS_MD5, IDC_STATS_SHA1, IDC_STATS_CRC32}) ::SetDlgItemTextA(m_hWnd, id, "N/A");

    // An untitled document's placeholder name starts with '<'.
    FileChecksums checksums;
    if (!m_counts.path.empty() && m_counts.path[0] != '<' && ComputeFileChecksums(m_counts.path, checksums)) {
        char crc[16];
        std::snprintf(crc, sizeof crc, "%08X", static_cast<unsigned>(checksums.crc32));
        ::SetDlgItemTextA(m_hWnd, IDC_STATS_CRC32, crc);
        ::SetDlgItemTextA(m_hWnd, IDC_STATS_SIZE, FileSizeText(checksums.size).c_str());
        ::SetDlgItemTextA(m_hWnd, IDC_STATS_MD5, checksums.md5.c_str());
        ::SetDlgItemTextA(m_hWnd, IDC_STATS_SHA1, checksums.sha1.c_str());
    }
    ::SetCursor(previous);
    // The focus on OK, so that Enter closes it and no field starts selected.
    ::SetFocus(::GetDlgItem(m_hWnd, IDOK));
    return FALSE;
}

LRESULT CFileStatisticsDialog::OnClose(WORD, WORD id, HWND, bool&) {
    EndDialog(id);
    return 0;
}
