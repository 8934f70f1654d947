// The document's save dialog: the encoding dialog over the settings' filter.
#include "DocumentFrame.h"
#include "EncodingFileDialog.h"
#include "FileFilter.h"

bool ShowSaveAsDialog(HWND owner, const char* initialName, SaveAsChoice& choice) {
    const std::string filter = LoadFileFilter();
    CEncodingFileDialog dialog(initialName, filter.c_str());
    if (dialog.Run(owner) != IDOK) return false;
    choice.path = dialog.Path();
    choice.lineEnd = dialog.LineEnd();
    choice.encoding = dialog.Encoding();
    return true;
}
