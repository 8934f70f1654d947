#pragma once
// The styled text of an editing component, read in blocks of characters and
// styles (SCI_GETSTYLEDTEXTFULL) so that a walk over the whole document
// sends one message per block instead of two per character.
#include <string>

#include "EditingComponent.h"
#include "StyledText.h"

class ComponentStyledText : public StyledText {
public:
    static constexpr size_t kBlockSize = 1 << 16;

    // The component must outlive the object; its text must not change while
    // it is read.
    explicit ComponentStyledText(const CEditingComponent& component);

    size_t Length() const override { return m_length; }
    char CharAt(size_t position) const override;
    unsigned char StyleAt(size_t position) const override;
    int LineFromPosition(size_t position) const override;
    int FoldLevel(int line) const override;

private:
    // The cell (character, style) of a position, reading its block when needed.
    const char* Cell(size_t position) const;

    const CEditingComponent& m_component;
    size_t m_length;
    mutable std::string m_block;  // pairs of character and style, then two NULs
    mutable size_t m_blockStart = 0;
    mutable size_t m_blockLength = 0;
};
