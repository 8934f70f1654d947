// Inserting a template: its content, expanded and re-indented for the caret
// line, into the active document.
#include "TemplatePane.h"

#include "EditorView.h"
#include "TemplateDatabase.h"
#include "TemplateInsert.h"
#include "TemplateMacros.h"

void CTemplatePane::InsertTemplate(int index) {
    CEditorView* view = m_host.ActiveEditorView();
    if (!view) return;
    ::SetFocus(view->Window());
    const std::string table = CurrentTable();
    const std::string name = NameAt(index);
    if (table.empty() || name.empty()) return;
    CTemplateDatabase database(m_path);
    std::string storedName, content;
    if (!database.ReadTemplate(table, name, storedName, content)) return;
    PackBuf* buffer = m_host.TemplateBuffer();
    if (!buffer) return;
    const CEditingComponent& component = view->Component();
    const std::string indentation = CaretLineIndentation(component);
    ::PackBufReset(buffer);
    const EolCode eol = ToEolCode(static_cast<int>(component.Send(SCI_GETEOLMODE)), kEolCrLf);
    AppendTemplateText(buffer, content.c_str(), indentation.c_str(), eol, m_host.TemplateMacroSources());
    std::string text;
    ::DumpPackBuf(buffer, InsertTemplateBlock, &text, nullptr);
    InsertTemplateText(component, text);
}


LRESULT CTemplatePane::OnVKeyToItem(UINT, WPARAM wParam, LPARAM, bool&) {
    if (LOWORD(wParam) != VK_RETURN) return -1;
    InsertTemplate(SelectedIndex());
    return -2;
}

LRESULT CTemplatePane::OnDoubleClick(WORD, WORD, HWND, bool&) {
    InsertTemplate(SelectedIndex());
    return 0;
}
