#pragma once
// What the template pane needs from the main frame.
#include <dovari.h>

#include "TemplateMacros.h"

class CEditorView;

class ITemplateHost {
public:
    virtual ~ITemplateHost() = default;
    // The active document's editor view; null without a document or when it
    // shows the hex view.
    virtual CEditorView* ActiveEditorView() = 0;
    // The frame's buffer that carries the expanded text.
    virtual PackBuf* TemplateBuffer() = 0;
    // What the macros of a template inserted now stand for.
    virtual MacroSources TemplateMacroSources() = 0;
};
