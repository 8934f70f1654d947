#pragma once
// What the main frame keeps for the explorer pane: the pane and its
// answers to it (opening a file, the favourites page).
#include <memory>

#include "ExplorerPane.h"

class CMainFrame;

class CExplorerParts : public IExplorerPaneHost {
public:
    explicit CExplorerParts(CMainFrame& frame);

    // Makes the pane as a tab beside `beside` (docked on the left without
    // it); false when it could not be made.
    bool CreatePane(HWND frame, HWND beside);
    CExplorerPane* Pane() const { return m_pane.get(); }
    // The folder view's own keys, for a message to a window inside it.
    bool TranslateViewAccelerator(MSG* msg) const;
    // Whether a key message is for the folder view or a window inside it.
    bool IsViewKey(const MSG& msg) const;

    // IExplorerPaneHost
    void OpenDocument(const char* path) override;
    void OrganizeFavorites() override;

private:
    CMainFrame& m_frame;
    std::unique_ptr<CExplorerPane> m_pane;
};
