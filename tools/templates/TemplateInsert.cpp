#include "TemplateInsert.h"

#include <windows.h>

#include "TemplateText.h"
#include "TextConversion.h"

void InsertTemplateBlock(const char* text, int length, void* param, void*) {
    if (text && length > 0) static_cast<std::string*>(param)->append(text, static_cast<size_t>(length));
}

std::string CaretLineIndentation(const CEditingComponent& component) {
    const sptr_t line = component.Send(SCI_LINEFROMPOSITION, static_cast<uptr_t>(component.Send(SCI_GETCURRENTPOS)));
    const int columns = static_cast<int>(component.Send(SCI_GETLINEINDENTATION, static_cast<uptr_t>(line)));
    return IndentationText(columns, static_cast<int>(component.Send(SCI_GETTABWIDTH)),
                           component.Send(SCI_GETUSETABS) != 0);
}

void InsertTemplateText(const CEditingComponent& component, const std::string& ansiText) {
    const unsigned codePage = static_cast<unsigned>(component.CodePage());
    std::string text = codePage == CP_UTF8 ? AnsiToUtf8(ansiText, ::GetACP()) : ansiText;
    const size_t marker = FindCaretMarker(text, codePage);
    if (marker != std::string::npos) text.erase(marker, 1);

    component.Send(SCI_BEGINUNDOACTION);
    const sptr_t start = component.Send(SCI_GETSELECTIONSTART);
    component.Send(SCI_REPLACESEL, 0, reinterpret_cast<sptr_t>(text.c_str()));
    component.Send(SCI_GOTOPOS, static_cast<uptr_t>(start + (marker != std::string::npos ? marker : 0)));
    component.Send(SCI_ENDUNDOACTION);
}
