#pragma once
// Putting an expanded template into an editing component. The expansion
// arrives from a PackBuf block by block; the blocks are joined first and the
// whole text goes in at once, so that a text over one block keeps its order
// and the insertion is one undo action.
#include <string>

#include "EditingComponent.h"

// The PackBuf dump callback: appends the block to the std::string param.
void InsertTemplateBlock(const char* text, int length, void* param, void* user);

// The caret line's indentation as the component indents: tabs and blanks
// when it uses tabs, else blanks.
std::string CaretLineIndentation(const CEditingComponent& component);

// Replaces the selection (or inserts at the caret) with text in the ANSI code
// page, converted for a UTF-8 document, as one undo action. The caret goes
// to the text's first '|', which is removed, or else to its start.
void InsertTemplateText(const CEditingComponent& component, const std::string& ansiText);
