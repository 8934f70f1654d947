#pragma once
// Saves the layout tree into a layout file and restores it, rescaling to the
// work area the file was written on; and the start-up and save-as steps the
// main frame uses: a layout file written beside its target and moved over it.
#include <string>

#include "LayoutItem.h"

class CLayoutStateManager {
public:
    explicit CLayoutStateManager(CLayoutItemPtr root) : m_root(std::move(root)) {}

    // The work area into "General", the tree into "MainWindow".
    bool Save(CLayoutFile& file);
    void Restore(CLayoutFile& file);

    // Into a new file beside path, then moved over it: a failed write keeps the old file.
    bool SaveToFile(const std::string& path);
    // The file when it exists; otherwise the default layout, then the file is created and saved.
    void RestoreOrCreate(const std::string& path);

private:
    CLayoutItemPtr m_root;
};
