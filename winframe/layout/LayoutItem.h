#pragma once
// The layout tree: reference-counted items that store themselves into a
// section of a layout file and restore themselves from it, and the
// container whose children each get a section of their own, in ascending
// id order.
#include <map>

#include "LayoutCodec.h"
#include "LayoutStore.h"

class CLayoutItem {
public:
    CLayoutItem() = default;
    CLayoutItem(const CLayoutItem&) = delete;
    CLayoutItem& operator=(const CLayoutItem&) = delete;

    virtual bool Store(CLayoutStore& store) = 0;
    virtual bool Restore(CLayoutStore& store, LayoutRatio x, LayoutRatio y) = 0;
    virtual bool RestoreDefault() = 0;

    void AddRef() { ++m_count; }
    // Deletes the item when this was the last reference.
    void Release() {
        if (--m_count == 0) delete this;
    }
    long RefCount() const { return m_count; }

protected:
    // Only Release deletes an item.
    virtual ~CLayoutItem() = default;

private:
    long m_count = 1;  // the creator's
};

// Holds one reference.
class CLayoutItemPtr {
public:
    CLayoutItemPtr() = default;
    // Takes a reference of its own.
    explicit CLayoutItemPtr(CLayoutItem* item) : m_item(item) {
        if (m_item) m_item->AddRef();
    }
    // Takes over the creator's reference of a new item.
    static CLayoutItemPtr Adopt(CLayoutItem* item) {
        CLayoutItemPtr p;
        p.m_item = item;
        return p;
    }
    CLayoutItemPtr(const CLayoutItemPtr& other) : CLayoutItemPtr(other.m_item) {}
    CLayoutItemPtr(CLayoutItemPtr&& other) noexcept : m_item(other.m_item) { other.m_item = nullptr; }
    CLayoutItemPtr& operator=(CLayoutItemPtr other) {
        std::swap(m_item, other.m_item);
        return *this;
    }
    ~CLayoutItemPtr() {
        if (m_item) m_item->Release();
    }
    CLayoutItem* get() const { return m_item; }
    CLayoutItem* operator->() const { return m_item; }
    explicit operator bool() const { return m_item != nullptr; }

private:
    CLayoutItem* m_item = nullptr;
};

class CLayoutContainer : public CLayoutItem {
public:
    // The next id (-1, -2, ...); the container takes a reference.
    int AddChild(CLayoutItem* item);
    // Each child into the section named by its key.
    bool Store(CLayoutStore& store) override;
    // Each child from its section; a child that cannot restore gets its default.
    bool Restore(CLayoutStore& store, LayoutRatio x, LayoutRatio y) override;
    bool RestoreDefault() override;

    const std::map<int, CLayoutItemPtr>& Children() const { return m_children; }

protected:
    std::map<int, CLayoutItemPtr> m_children;  // ascending ids: the lowest first
    int m_nextId = -1;
};
