#include "SymbolTree.h"

#include <algorithm>
#include <cstring>

#include "AppSettings.h"
#include "Globals.h"

namespace {

bool IsTypeCategory(TagCategory c) {
    return c == TagCategory::Class || c == TagCategory::Structure || c == TagCategory::Typedef ||
           c == TagCategory::Union;
}

// Byte by byte, unsigned: upper case sorts before lower case.
bool TextLess(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    const int c = std::memcmp(a.data(), b.data(), n);
    return c != 0 ? c < 0 : a.size() < b.size();
}

}  // namespace

CSymbolTree::~CSymbolTree() { Destroy(); }

bool CSymbolTree::Create(HWND parent, bool visible) {
    RECT client{};
    ::GetClientRect(parent, &client);
    const DWORD style = WS_CHILD | (visible ? WS_VISIBLE : 0) | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                        TVS_SHOWSELALWAYS;
    HWND window = ::CreateWindowExA(WS_EX_CLIENTEDGE, WC_TREEVIEWA, nullptr, style, 0, 0, client.right,
                                    client.bottom, parent, (HMENU)(INT_PTR)kTreeId, ::GetModuleHandleA(nullptr),
                                    nullptr);
    if (!window) return false;
    m_tree = TreeViewControl(window);
    if (g_smallImages) m_tree.SetImageList(g_smallImages);
    if (g_appSettings) m_tree.SetColors(g_appSettings->SymbolFore, g_appSettings->SymbolBack);
    return true;
}

void CSymbolTree::Destroy() {
    if (HWND window = m_tree.Window()) {
        m_tree = TreeViewControl();
        ::DestroyWindow(window);
    }
    m_topLevel.clear();
    m_topByText.clear();
}

void CSymbolTree::Clear() {
    m_tree.DeleteAll();
    m_topLevel.clear();
    m_topByText.clear();
}

void CSymbolTree::BeginRefill() {
    const HTREEITEM selected = m_tree.Selection();
    m_selectedText = selected ? m_tree.Text(selected) : std::string();
    Clear();
}

void CSymbolTree::EndRefill() {
    ExpandAll(true);
    if (m_selectedText.empty()) return;
    for (HTREEITEM top = m_tree.Root(); top; top = m_tree.Sibling(top)) {
        if (m_tree.Text(top) == m_selectedText) {
            m_tree.Select(top);
            m_tree.EnsureVisible(top);
            return;
        }
        for (HTREEITEM child = m_tree.Child(top); child; child = m_tree.Sibling(child)) {
            if (m_tree.Text(child) == m_selectedText) {
                m_tree.Select(child);
                m_tree.EnsureVisible(child);
                return;
            }
        }
    }
}

void CSymbolTree::ExpandAll(bool expand) const {
    const UINT how = expand ? TVE_EXPAND : TVE_COLLAPSE;
    for (HTREEITEM top = m_tree.Root(); top; top = m_tree.Sibling(top))
        for (HTREEITEM item = top; item; item = m_tree.Child(item)) m_tree.Expand(item, how);
}

void CSymbolTree::AddTag(int, const TagRecord& record) {
    const int image = TagCategoryImage(record.category);
    if (m_sort != SymbolSort::ByType) {
        AddSorted(record.scope.empty() ? record.name : record.scope + "::" + record.name, record);
        return;
    }
    if (!record.scope.empty()) {
        HTREEITEM& group = m_topByText[record.scope];
        if (!group) {
            const TagCategory kind = record.scope[0] == '_' ? TagCategory::Structure : TagCategory::Class;
            group = m_tree.Insert(TVI_ROOT, TVI_LAST, record.scope.c_str(), TagCategoryImage(kind), kGroupData);
        }
        m_tree.Insert(group, TVI_LAST, record.name.c_str(), image, record.line);
        return;
    }
    auto found = m_topByText.find(record.name);
    if (found != m_topByText.end() && IsTypeCategory(record.category)) return;
    HTREEITEM item = m_tree.Insert(TVI_ROOT, TVI_LAST, record.name.c_str(), image, record.line);
    if (found == m_topByText.end()) m_topByText.emplace(record.name, item);
}

void CSymbolTree::AddSorted(const std::string& text, const TagRecord& record) {
    // Before the first item that is greater: equal ones keep their arrival order.
    auto at = m_sort == SymbolSort::ByName
                  ? std::upper_bound(m_topLevel.begin(), m_topLevel.end(), text,
                                     [](const std::string& t, const TopItem& item) { return TextLess(t, item.text); })
                  : std::upper_bound(m_topLevel.begin(), m_topLevel.end(), record.line,
                                     [](int line, const TopItem& item) { return line < item.line; });
    const HTREEITEM after = at == m_topLevel.begin() ? TVI_FIRST : std::prev(at)->item;
    HTREEITEM item =
        m_tree.Insert(TVI_ROOT, after, text.c_str(), TagCategoryImage(record.category), record.line);
    m_topLevel.insert(at, TopItem{text, record.line, item});
}
