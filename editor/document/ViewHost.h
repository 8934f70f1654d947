#pragma once
// What an editor view needs from the windows around it: the main frame's
// status bar and toolbar, the document frame's tab, and the prompts. The
// document frame implements it (passing the frame's parts on); tests give a
// fake.
#include <windows.h>

#include <cstdint>
#include <string>

// Status-bar parts the view owns: 0 position, 1 size, 3 insert mode.
struct ViewStatusTexts {
    std::string position;  // "Ln %d : %d  Col %d  Sel %d"
    uint64_t length = 0;   // part 1 is FormatByteSize of this
    std::string mode;      // "INS" or "OVR"
    std::string encoding;  // part 2, EncodingStatusName of the document's encoding
};

class IViewHost {
public:
    virtual ~IViewHost() = default;
    virtual void UpdateStatusBar(const ViewStatusTexts& texts) = 0;
    // Part 4; null for none.
    virtual void SetStatusMessage(const char* text) = 0;
    // kTabNormal or kTabModified.
    virtual void SetTabState(DocumentTabState state) = 0;
    virtual void EnableToolbarButton(int id, bool enable) = 0;
    virtual void CheckToolbarButton(int id, bool check) = 0;
    virtual bool IsMenuBarVisible() const = 0;
    virtual bool IsToolbarVisible() const = 0;
    // Receives the context menu's commands.
    virtual HWND MenuOwner() const = 0;
    // The go-to-line dialog: the 1-based line typed, or -1 for Cancel.
    virtual int PromptLineNumber(HWND owner, int lineCount) = 0;
    // The go-to-symbol dialog: the chosen symbol's line, or -1 for none.
    virtual int PromptSymbolLine(HWND) { return -1; }
};
