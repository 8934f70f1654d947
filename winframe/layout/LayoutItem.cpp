#include "LayoutItem.h"

int CLayoutContainer::AddChild(CLayoutItem* item) {
    int id = m_nextId--;
    m_children[id] = CLayoutItemPtr(item);
    return id;
}

bool CLayoutContainer::Store(CLayoutStore& store) {
    for (auto& [id, child] : m_children) {
        CLayoutFile section;
        section.OpenSectionForWriting(store, LayoutChildKey(id).c_str(), 0);
        child->Store(section);
    }
    return true;
}

bool CLayoutContainer::Restore(CLayoutStore& store, LayoutRatio x, LayoutRatio y) {
    for (auto& [id, child] : m_children) {
        CLayoutFile section;
        section.OpenSectionForReading(store, LayoutChildKey(id).c_str(), 0);
        if (!child->Restore(section, x, y)) child->RestoreDefault();
    }
    return true;
}

bool CLayoutContainer::RestoreDefault() {
    for (auto& [id, child] : m_children) child->RestoreDefault();
    return true;
}
