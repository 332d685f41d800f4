#pragma once
// Owning wrappers for Win32 handles: each closes its handle exactly once.

#include <windows.h>

#include <utility>

namespace platform {

template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    ~UniqueHandle() { reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::invalid(); }

    Handle release() noexcept { return std::exchange(handle_, Traits::invalid()); }

    void reset(Handle handle = Traits::invalid()) noexcept
    {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::invalid()) {
            Traits::close(old);
        }
    }

private:
    Handle handle_ = Traits::invalid();
};

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void close(Handle handle) noexcept { CloseHandle(handle); }
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { CloseHandle(handle); }
};

struct IconTraits {
    using Handle = HICON;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { DestroyIcon(handle); }
};

struct GdiObjectTraits {
    using Handle = HGDIOBJ;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { DeleteObject(handle); }
};

struct WindowTraits {
    using Handle = HWND;
    static Handle invalid() noexcept { return nullptr; }
    static void close(Handle handle) noexcept
    {
        if (IsWindow(handle)) {
            DestroyWindow(handle);
        }
    }
};

// CreateFileA and friends: INVALID_HANDLE_VALUE on failure.
using UniqueFile = UniqueHandle<FileHandleTraits>;
// Process, thread and event handles: NULL on failure.
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;
using UniqueIcon = UniqueHandle<IconTraits>;
using UniqueGdiObject = UniqueHandle<GdiObjectTraits>;
using UniqueWindow = UniqueHandle<WindowTraits>;

} // namespace platform
