#pragma once
// What the hex view needs from the document frame that owns it.
#include <windows.h>

#include "AppMessages.h"

class IHexHost {
public:
    virtual ~IHexHost() = default;
    virtual bool IsReadOnly() const = 0;
    // The document's tab.
    virtual void SetTabState(DocumentTabState state) = 0;
    // Pane 0 of the main frame's status bar.
    virtual void SetStatusText(const char* text) = 0;
    // Typing into a read-only document.
    virtual void Beep() { ::MessageBeep(0xFFFFFFFF); }
};
