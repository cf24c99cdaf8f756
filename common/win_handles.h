#pragma once
// RAII owners for the platform handles the helpers open, so every path closes them.
#include <windows.h>
#include <objbase.h>

#include <utility>

template <typename Handle, typename Traits> class UniqueHandleOf {
  public:
    UniqueHandleOf() = default;
    explicit UniqueHandleOf(Handle h) : h_(h) {}
    ~UniqueHandleOf() { reset(); }
    UniqueHandleOf(UniqueHandleOf&& other) noexcept : h_(std::exchange(other.h_, Traits::Invalid())) {}
    UniqueHandleOf& operator=(UniqueHandleOf&& other) noexcept {
        if (this != &other) {
            reset();
            h_ = std::exchange(other.h_, Traits::Invalid());
        }
        return *this;
    }
    UniqueHandleOf(const UniqueHandleOf&) = delete;
    UniqueHandleOf& operator=(const UniqueHandleOf&) = delete;

    Handle get() const { return h_; }
    Handle* put() {
        reset();
        return &h_;
    }
    Handle release() { return std::exchange(h_, Traits::Invalid()); }
    explicit operator bool() const { return Traits::Valid(h_); }
    void reset(Handle h = Traits::Invalid()) {
        if (Traits::Valid(h_)) Traits::Close(h_);
        h_ = h;
    }

  private:
    Handle h_ = Traits::Invalid();
};

struct RegKeyTraits {
    static HKEY Invalid() { return nullptr; }
    static bool Valid(HKEY h) { return h != nullptr; }
    static void Close(HKEY h) { RegCloseKey(h); }
};
struct ScHandleTraits {
    static SC_HANDLE Invalid() { return nullptr; }
    static bool Valid(SC_HANDLE h) { return h != nullptr; }
    static void Close(SC_HANDLE h) { CloseServiceHandle(h); }
};
struct KernelHandleTraits {
    static HANDLE Invalid() { return nullptr; }
    static bool Valid(HANDLE h) { return h != nullptr && h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { CloseHandle(h); }
};
struct FindHandleTraits {
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Valid(HANDLE h) { return h != INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { FindClose(h); }
};
struct LibraryTraits {
    static HMODULE Invalid() { return nullptr; }
    static bool Valid(HMODULE h) { return h != nullptr; }
    static void Close(HMODULE h) { FreeLibrary(h); }
};

using UniqueRegKey = UniqueHandleOf<HKEY, RegKeyTraits>;
using UniqueServiceHandle = UniqueHandleOf<SC_HANDLE, ScHandleTraits>;
using UniqueHandle = UniqueHandleOf<HANDLE, KernelHandleTraits>;
using UniqueFindHandle = UniqueHandleOf<HANDLE, FindHandleTraits>;
using UniqueLibrary = UniqueHandleOf<HMODULE, LibraryTraits>;

// COM for the duration of one operation on this thread.
class ComScope {
  public:
    ComScope() : hr_(CoInitialize(nullptr)) {}
    ~ComScope() {
        if (SUCCEEDED(hr_)) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    HRESULT hr_;
};

// A COM interface pointer released when it goes out of scope.
template <typename T> class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() { reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    T** put() {
        reset();
        return &p_;
    }
    void** put_void() { return reinterpret_cast<void**>(put()); }
    explicit operator bool() const { return p_ != nullptr; }
    void reset() {
        if (p_) p_->Release();
        p_ = nullptr;
    }

  private:
    T* p_ = nullptr;
};

// Looks up a kernel32 entry point that older systems may lack.
template <typename Fn> Fn Kernel32Function(const char* name) {
    HMODULE kernel = GetModuleHandleW(L"kernel32");
    return kernel ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(kernel, name)))
                  : nullptr;
}
