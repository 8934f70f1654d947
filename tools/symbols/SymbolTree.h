#pragma once
// CSymbolTree: one document's symbols in a tree view, ordered by the sort
// mode: by type (members under their scope), by name or by line. Each
// item's data is its line; a group item made for a scope has -1.
#include <windows.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "ControlWrappers.h"
#include "TagRecord.h"

enum class SymbolSort { ByType = 0, ByName = 1, ByLine = 2 };

class CSymbolTree : public TagSink {
public:
    static constexpr int kTreeId = 105;
    static constexpr LPARAM kGroupData = -1;

    CSymbolTree() = default;
    ~CSymbolTree() override;
    CSymbolTree(const CSymbolTree&) = delete;
    CSymbolTree& operator=(const CSymbolTree&) = delete;

    // The tree view as a child of parent; false when it cannot be made.
    bool Create(HWND parent, bool visible);
    void Destroy();
    HWND Window() const { return m_tree.Window(); }
    const TreeViewControl& Tree() const { return m_tree; }

    SymbolSort Sort() const { return m_sort; }
    void SetSort(SymbolSort sort) { m_sort = sort; }

    // Empties the tree, remembering the selected item's text.
    void BeginRefill();
    // Expands the top level and reselects the remembered text.
    void EndRefill();
    void Clear();
    // Every top-level item and the chain of first children below it.
    void ExpandAll(bool expand) const;

    void AddTag(int kind, const TagRecord& record) override;

private:
    struct TopItem {
        std::string text;
        int line;
        HTREEITEM item;
    };
    void AddSorted(const std::string& text, const TagRecord& record);

    TreeViewControl m_tree;
    SymbolSort m_sort = SymbolSort::ByType;
    std::string m_selectedText;
    // The top level in tree order (by name and by line), and by text (by type).
    std::vector<TopItem> m_topLevel;
    std::unordered_map<std::string, HTREEITEM> m_topByText;
};
