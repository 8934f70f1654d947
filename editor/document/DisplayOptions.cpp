#include "DisplayOptions.h"

#include "AppSettings.h"
#include "resource.h"

const DisplayOption kDisplayOptions[6] = {
    {ID_VIEW_HIGHLIGHT, kViewHighlight, kMaskSyntaxHighlight},
    {ID_VIEW_WRAP, kViewWrap, kMaskWrap},
    {ID_VIEW_LINE_NUMBERS, kViewLineNumbers, kMaskLineNumbers},
    {ID_VIEW_WHITESPACE, kViewWhiteSpace, kMaskWhiteSpace},
    {ID_VIEW_LINE_ENDS, kViewLineEnds, kMaskLineEnds},
    {ID_VIEW_INDENT_GUIDES, kViewIndentGuides, kMaskIndentGuides},
};

const DisplayOption* DisplayOptionOfCommand(WORD command) {
    for (const DisplayOption& option : kDisplayOptions)
        if (option.command == command) return &option;
    return nullptr;
}

uint32_t ViewOptionsFromEditorMask(uint32_t editorMask) {
    uint32_t options = 0;
    for (const DisplayOption& option : kDisplayOptions)
        if (editorMask & option.maskBit) options |= option.viewBit;
    return options;
}

uint32_t EditorMaskFromViewOptions(uint32_t viewOptions) {
    uint32_t mask = 0;
    for (const DisplayOption& option : kDisplayOptions)
        if (viewOptions & option.viewBit) mask |= option.maskBit;
    return mask;
}
