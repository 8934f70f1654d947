#pragma once
// The file statistics dialog (532, "文件属性"): the document's path and
// counts as the editor holds them, and for a file on disk its size and
// CRC-32, MD5 and SHA-1 checksums read from the disk.
#include <windows.h>

#include <cstddef>
#include <string>

#include "Dialog.h"
#include "resource.h"

class CEditorView;

struct DocumentCounts {
    std::string path;  // "<...>" for an untitled document
    int lines = 0;
    size_t words = 0;
    size_t characters = 0;  // bytes of the text
};

class CFileStatisticsDialog : public CMsgDialog {
public:
    explicit CFileStatisticsDialog(DocumentCounts counts) : m_counts(std::move(counts)) {}

    // The counts of a view with the document's path.
    static DocumentCounts CountsOf(const CEditorView& view, const std::string& path);
    // Modal over owner.
    static INT_PTR Show(HWND owner, const CEditorView& view, const std::string& path);

    TW_BEGIN_MSG_MAP(CFileStatisticsDialog)
        TW_MESSAGE_HANDLER(WM_INITDIALOG, OnInitDialog)
        TW_COMMAND_ID_HANDLER(IDOK, OnClose)
        TW_COMMAND_ID_HANDLER(IDCANCEL, OnClose)
    TW_END_MSG_MAP()

private:
    LRESULT OnInitDialog(UINT, WPARAM, LPARAM, bool&);
    LRESULT OnClose(WORD, WORD id, HWND, bool&);

    DocumentCounts m_counts;
};
