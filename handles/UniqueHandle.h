#pragma once
// The one owner of Win32 handles for every layer: Unique<Traits> closes its
// value with the kind's own function. A kind is a small traits struct (the
// value type, what counts as empty, how it closes); the common kinds are
// here, those only one library uses live with it. GDI objects and DCs have
// their own owners in GdiHandles.h.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

template <typename Traits>
class Unique {
public:
    using Value = typename Traits::Value;

    Unique() = default;
    explicit Unique(Value v) : value_(v) {}
    ~Unique() { reset(); }

    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : value_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    Value get() const { return value_; }
    explicit operator bool() const { return Traits::valid(value_); }

    Value release() {
        Value v = value_;
        value_ = Traits::invalid();
        return v;
    }

    void reset(Value v = Traits::invalid()) {
        if (Traits::valid(value_)) Traits::close(value_);
        value_ = v;
    }

    // Closes now; false when closing failed, which for a written file means
    // lost data. An empty owner closes fine.
    bool close() { return !Traits::valid(value_) || Traits::close(release()); }

private:
    Value value_ = Traits::invalid();
};

// CreateFile answers INVALID_HANDLE_VALUE, most others NULL: both count as empty.
struct KernelHandleTraits {
    using Value = HANDLE;
    static Value invalid() { return nullptr; }
    static bool valid(Value h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static bool close(Value h) { return ::CloseHandle(h) != FALSE; }
};

struct FindHandleTraits {
    using Value = HANDLE;
    static Value invalid() { return INVALID_HANDLE_VALUE; }
    static bool valid(Value h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static bool close(Value h) { return ::FindClose(h) != FALSE; }
};

struct GlobalMemoryTraits {
    using Value = HGLOBAL;
    static Value invalid() { return nullptr; }
    static bool valid(Value h) { return h != nullptr; }
    static bool close(Value h) { return ::GlobalFree(h) == nullptr; }
};

struct MappedViewTraits {
    using Value = void*;
    static Value invalid() { return nullptr; }
    static bool valid(Value v) { return v != nullptr; }
    static bool close(Value v) { return ::UnmapViewOfFile(v) != FALSE; }
};

struct RegistryKeyTraits {
    using Value = HKEY;
    static Value invalid() { return nullptr; }
    static bool valid(Value k) { return k != nullptr; }
    static bool close(Value k) { return ::RegCloseKey(k) == ERROR_SUCCESS; }
};

struct ImageListTraits {
    using Value = HIMAGELIST;
    static Value invalid() { return nullptr; }
    static bool valid(Value l) { return l != nullptr; }
    static bool close(Value l) { return ::ImageList_Destroy(l) != FALSE; }
};

struct IconTraits {
    using Value = HICON;
    static Value invalid() { return nullptr; }
    static bool valid(Value i) { return i != nullptr; }
    static bool close(Value i) { return ::DestroyIcon(i) != FALSE; }
};

struct StdioFileTraits {
    using Value = FILE*;
    static Value invalid() { return nullptr; }
    static bool valid(Value f) { return f != nullptr; }
    static bool close(Value f) { return std::fclose(f) == 0; }
};

// A library loaded at run time.
struct LibraryTraits {
    using Value = HMODULE;
    static Value invalid() { return nullptr; }
    static bool valid(Value m) { return m != nullptr; }
    static bool close(Value m) { return ::FreeLibrary(m) != FALSE; }
};

// HKEY_CURRENT_USER-style keys: root\subKey opened, or made when missing,
// for reading and writing; empty when neither works.
inline Unique<RegistryKeyTraits> CreateRegistryKey(HKEY root, const char* subKey) {
    HKEY key = nullptr;
    if (::RegCreateKeyExA(root, subKey, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        key = nullptr;
    return Unique<RegistryKeyTraits>(key);
}

using UniqueHandle = Unique<KernelHandleTraits>;
using UniqueFind = Unique<FindHandleTraits>;
using UniqueGlobal = Unique<GlobalMemoryTraits>;
using UniqueView = Unique<MappedViewTraits>;
using UniqueKey = Unique<RegistryKeyTraits>;
using UniqueImageList = Unique<ImageListTraits>;
using UniqueIcon = Unique<IconTraits>;
using UniqueFile = Unique<StdioFileTraits>;
using UniqueLibrary = Unique<LibraryTraits>;
