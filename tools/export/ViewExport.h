#pragma once
// The export commands of an editor view: the save dialog of each format,
// the export of the view's whole text to the chosen file, the "ERROR" box
// when it cannot be written, and copy as RTF onto the clipboard.
#include <windows.h>

#include <string>

class CEditorView;
class CPropertySets;

enum class ExportFormat { Html, Rtf, Pdf, Tex };

// The save dialog of the format (through the file-dialog runner of the
// dialogs library, so that tests can answer it); false for Cancel.
bool AskExportPath(HWND owner, ExportFormat format, std::string& path);

// Styles the whole text and writes it to path; false when the file could
// not be written (nothing is left at path then, and an old file stays).
// LaTeX of Chinese text would not compile: the user is asked first
// (IDS_EXPORT_TEX_CHINESE), and No writes nothing and returns true.
bool ExportView(CEditorView& view, const CPropertySets& store, ExportFormat format, const std::string& path);

// "Could not save file \"%s\"." under the caption "ERROR" (the program's
// message box, ShowMessage).
void ShowSaveError(HWND owner, const std::string& path);

// The selection as RTF under the registered format "Rich Text Format"
// (the bytes and a NUL), with the plain text beside it; built in memory.
// False when the clipboard could not be had.
bool CopyAsRtf(CEditorView& view, const CPropertySets& store);
