#pragma once
// Owning pointer to a COM interface: one reference, released on reset.

#include <unknwn.h>

#include <utility>

namespace platform {

template <typename T>
class ComPtr {
public:
    ComPtr() noexcept = default;
    ~ComPtr() { reset(); }

    ComPtr(const ComPtr& other) noexcept : ptr_(other.ptr_)
    {
        if (ptr_) {
            ptr_->AddRef();
        }
    }
    ComPtr& operator=(const ComPtr& other) noexcept
    {
        ComPtr copy(other);
        std::swap(ptr_, copy.ptr_);
        return *this;
    }
    ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
    ComPtr& operator=(ComPtr&& other) noexcept
    {
        if (this != &other) {
            reset();
            ptr_ = std::exchange(other.ptr_, nullptr);
        }
        return *this;
    }

    // Takes over a reference the caller already owns.
    static ComPtr adopt(T* ptr) noexcept
    {
        ComPtr result;
        result.ptr_ = ptr;
        return result;
    }

    T* get() const noexcept { return ptr_; }
    T* operator->() const noexcept { return ptr_; }
    explicit operator bool() const noexcept { return ptr_ != nullptr; }

    // For out-parameters: releases what is held and gives the slot.
    T** put() noexcept
    {
        reset();
        return &ptr_;
    }
    void** putVoid() noexcept { return reinterpret_cast<void**>(put()); }

    void reset() noexcept
    {
        if (T* old = std::exchange(ptr_, nullptr)) {
            old->Release();
        }
    }

    template <typename U>
    ComPtr<U> query() const noexcept
    {
        ComPtr<U> result;
        if (ptr_) {
            ptr_->QueryInterface(__uuidof(U), result.putVoid());
        }
        return result;
    }

private:
    T* ptr_ = nullptr;
};

} // namespace platform
