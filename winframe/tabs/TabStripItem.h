#pragma once
// One tab of a strip.
#include <windows.h>

#include <string>

class CTabStripItem {
public:
    virtual ~CTabStripItem() = default;

    // True when every field named by the TSIF_* flags equals the template's.
    bool Matches(const CTabStripItem& pattern, UINT flags) const;
    // Copies what a find reports back into the template.
    void CopyFoundInto(CTabStripItem& pattern, UINT flags) const;

    RECT rect{};           // laid out, before scrolling
    int image = -1;        // -1: none
    std::string text;
    std::string tooltip;   // empty: the label is the tool tip
    BYTE marked = 0;
    BYTE closable = 1;
    // Pointer-sized, as owners keep objects and window handles here.
    LPARAM userValue = 0;
    LPARAM data = 0;
};
