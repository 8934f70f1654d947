// Owning wrappers for Win32 handles: each kind closes with its own function.
#pragma once

#include <windows.h>

namespace dovari_common {

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
    Unique& operator=(Unique&& other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }

    Value get() const { return value_; }
    explicit operator bool() const { return Traits::valid(value_); }

    Value release()
    {
        Value v = value_;
        value_ = Traits::invalid();
        return v;
    }

    void reset(Value v = Traits::invalid())
    {
        if (Traits::valid(value_))
            Traits::close(value_);
        value_ = v;
    }

private:
    Value value_ = Traits::invalid();
};

// CreateFile answers INVALID_HANDLE_VALUE, most others NULL: both count as empty.
struct KernelHandleTraits {
    using Value = HANDLE;
    static Value invalid() { return nullptr; }
    static bool valid(Value h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(Value h) { CloseHandle(h); }
};

struct FindHandleTraits {
    using Value = HANDLE;
    static Value invalid() { return INVALID_HANDLE_VALUE; }
    static bool valid(Value h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void close(Value h) { FindClose(h); }
};

struct GlobalMemoryTraits {
    using Value = HGLOBAL;
    static Value invalid() { return nullptr; }
    static bool valid(Value h) { return h != nullptr; }
    static void close(Value h) { GlobalFree(h); }
};

using UniqueHandle = Unique<KernelHandleTraits>;
using UniqueFind = Unique<FindHandleTraits>;
using UniqueGlobal = Unique<GlobalMemoryTraits>;

} // namespace dovari_common
