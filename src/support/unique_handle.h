#pragma once
// Move-only owners for Win32 handles: each handle has exactly one owner, which frees it.

#include <windows.h>

#include <utility>

namespace tockly {

// Traits: `Handle` type, `Invalid()` value and `Close(Handle)`.
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
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }

    [[nodiscard]] Handle get() const noexcept { return handle_; }
    [[nodiscard]] bool valid() const noexcept { return handle_ != Traits::Invalid(); }
    explicit operator bool() const noexcept { return valid(); }

    [[nodiscard]] Handle release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
    // Frees the handle held and hands out the empty slot to a call that returns a new handle
    // through an out parameter (RegOpenKeyExW, RegCreateKeyExW ...), so that the handle has its
    // owner from the moment it exists.
    [[nodiscard]] Handle* put() noexcept {
        reset();
        return &handle_;
    }
    void reset(Handle handle = Traits::Invalid()) noexcept {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid()) {
            Traits::Close(old);
        }
    }

private:
    Handle handle_ = Traits::Invalid();
};

struct KernelHandleTraits {  // CreateThread, OpenProcess, CreateEvent ...
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::CloseHandle(handle); }
};
using KernelHandle = UniqueHandle<KernelHandleTraits>;

struct FileHandleTraits {  // CreateFileW reports failure as INVALID_HANDLE_VALUE, not null
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { ::CloseHandle(handle); }
};
using FileHandle = UniqueHandle<FileHandleTraits>;

struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { ::FindClose(handle); }
};
using FindHandle = UniqueHandle<FindHandleTraits>;

struct LibraryModuleTraits {  // LoadLibraryW, LoadLibraryExW
    using Handle = HMODULE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle library) noexcept { ::FreeLibrary(library); }
};
using LibraryModule = UniqueHandle<LibraryModuleTraits>;

struct RegistryKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::RegCloseKey(handle); }
};
using RegistryKey = UniqueHandle<RegistryKeyTraits>;

struct WindowTraits {
    using Handle = HWND;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::DestroyWindow(handle); }
};
using UniqueWindow = UniqueHandle<WindowTraits>;

struct MenuTraits {
    using Handle = HMENU;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::DestroyMenu(handle); }
};
using UniqueMenu = UniqueHandle<MenuTraits>;

struct LocalMemoryTraits {  // CommandLineToArgvW, FormatMessageW
    using Handle = HLOCAL;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::LocalFree(handle); }
};
using LocalMemory = UniqueHandle<LocalMemoryTraits>;

}  // namespace tockly
