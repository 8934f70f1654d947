#pragma once
// A real editor view for tests: a parent window that reflects the
// component's notifications back to it, and a host that records what the
// view tells the frame.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include <scintilla/Scintilla.h>

#include "AppSettings.h"
#include "EditorView.h"
#include "MessagePump.h"
#include "Window.h"

class FakeViewHost : public IViewHost {
public:
    void UpdateStatusBar(const ViewStatusTexts& texts) override {
        status = texts;
        ++statusUpdates;
    }
    void SetStatusMessage(const char* text) override { message = text ? text : ""; }
    void SetTabState(DocumentTabState state) override { tabStates.push_back(state); }
    void EnableToolbarButton(int id, bool enable) override { enabled.push_back({id, enable}); }
    void CheckToolbarButton(int id, bool check) override { checked.push_back({id, check}); }
    bool IsMenuBarVisible() const override { return menuBarVisible; }
    bool IsToolbarVisible() const override { return toolbarVisible; }
    HWND MenuOwner() const override { return nullptr; }
    int PromptLineNumber(HWND, int lineCount) override {
        promptedLineCount = lineCount;
        return promptAnswer;
    }

    struct Button {
        int id;
        bool on;
        bool operator==(const Button&) const = default;
    };
    ViewStatusTexts status;
    int statusUpdates = 0;
    std::string message;
    std::vector<int> tabStates;
    std::vector<Button> enabled, checked;
    bool menuBarVisible = true, toolbarVisible = true;
    int promptAnswer = -1, promptedLineCount = 0;
};

class ReflectingParent : public CMsgWindow {
public:
    TW_BEGIN_MSG_MAP(ReflectingParent)
        TW_REFLECT_NOTIFICATIONS()
    TW_END_MSG_MAP()

protected:
    WindowClassInfo GetWindowClassInfo() const override {
        WindowClassInfo info;
        info.name = "TarnwickViewTestParent";
        return info;
    }
};

class ViewWindow {
public:
    explicit ViewWindow(uint32_t editorMask = 0, unsigned ansiCodePage = 936) {
        static const bool registered = Scintilla_RegisterClasses(::GetModuleHandleA(nullptr)) != 0;
        (void)registered;
        RECT frame{0, 0, 640, 480};
        parent.Create(nullptr, &frame, "view test", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        view = std::make_unique<CEditorView>(host, editorMask, ansiCodePage);
        RECT client{0, 0, 600, 400};
        view->Create(parent, client);
    }

    void SetText(const std::string& text) const {
        view->Send(SCI_CLEARALL);
        view->Send(SCI_ADDTEXT, text.size(), reinterpret_cast<sptr_t>(text.data()));
    }
    std::string Text() const { return view->Component().GetText(); }
    LRESULT Command(WORD id) const { return ::SendMessageA(*view, WM_COMMAND, id, 0); }
    sptr_t Send(unsigned int message, uptr_t w = 0, sptr_t l = 0) const { return view->Send(message, w, l); }

    FakeViewHost host;
    ReflectingParent parent;
    std::unique_ptr<CEditorView> view;
};
