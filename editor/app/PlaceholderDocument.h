#pragma once
// A document window until the document frames take its place: an empty
// editor document that shows the file's path as its title.
#include <string>

#include "FrameDocument.h"
#include "Window.h"

class CPlaceholderDocument : public CMsgWindow, public IFrameDocument {
public:
    explicit CPlaceholderDocument(std::string path) : m_path(std::move(path)) {}
    // Deletes itself when its window goes; false (and deleted) when it cannot be made.
    static bool Open(HWND mdiClient, const char* path);

    FrameDocumentState Describe() const override;
    void FillStatusBar(HWND) const override {}
    std::string HelpKeyword() const override { return ""; }

    TW_BEGIN_MSG_MAP(CPlaceholderDocument)
        TW_MESSAGE_HANDLER(WM_CREATE, OnCreate)
        TW_MESSAGE_HANDLER(WM_MDIACTIVATE, OnMdiActivate)
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override { return {"TarnwickDocument"}; }
    void OnFinalMessage(HWND) override { delete this; }

private:
    LRESULT OnCreate(UINT, WPARAM, LPARAM, bool& handled);
    LRESULT OnMdiActivate(UINT, WPARAM, LPARAM, bool& handled);
    std::string m_path;
};
