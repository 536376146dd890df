#include "toolkit/win32_text_clipboard.h"

#include <cstring>

#include "support/unique_handle.h"

namespace tockly {
namespace {

// Opens the clipboard for the life of the object; a busy clipboard leaves it closed.
class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) noexcept : open_(::OpenClipboard(owner) != 0) {}
    ~OpenClipboardScope() {
        if (open_) {
            ::CloseClipboard();
        }
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;

    [[nodiscard]] bool open() const noexcept { return open_; }

private:
    bool open_;
};

// Locks global memory for the life of the object.
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL memory) noexcept
        : memory_(memory), data_(memory ? ::GlobalLock(memory) : nullptr) {}
    ~GlobalLockScope() {
        if (data_) {
            ::GlobalUnlock(memory_);
        }
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;

    [[nodiscard]] void* data() const noexcept { return data_; }

private:
    HGLOBAL memory_;
    void* data_;
};

// Global memory, freed unless the clipboard takes it (then `release` hands it over).
struct GlobalMemoryTraits {
    using Handle = HGLOBAL;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::GlobalFree(handle); }
};
using GlobalMemory = UniqueHandle<GlobalMemoryTraits>;

}  // namespace

std::optional<std::u16string> Win32TextClipboard::ReadText() {
    if (!::IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        return std::nullopt;
    }
    OpenClipboardScope clipboard(owner_);
    if (!clipboard.open()) {
        return std::nullopt;
    }
    HANDLE memory = ::GetClipboardData(CF_UNICODETEXT);
    GlobalLockScope lock(memory);
    if (!lock.data()) {
        return std::nullopt;
    }
    // Another program's data: read no further than its block, terminator or not.
    const auto* characters = static_cast<const char16_t*>(lock.data());
    const std::size_t capacity = ::GlobalSize(memory) / sizeof(char16_t);
    std::size_t length = 0;
    while (length < capacity && characters[length] != u'\0') {
        ++length;
    }
    return std::u16string(characters, length);
}

bool Win32TextClipboard::WriteText(std::u16string_view text) {
    // The text is made before the clipboard is emptied: when that fails, what the user copied
    // before is still there.
    GlobalMemory memory(
        allocate_(GMEM_MOVEABLE | GMEM_ZEROINIT, (text.size() + 1) * sizeof(char16_t)));
    if (!memory) {
        return false;
    }
    {
        GlobalLockScope lock(memory.get());
        if (!lock.data()) {
            return false;
        }
        std::memcpy(lock.data(), text.data(), text.size() * sizeof(char16_t));
    }
    OpenClipboardScope clipboard(owner_);
    if (!clipboard.open() || !::EmptyClipboard() ||
        !::SetClipboardData(CF_UNICODETEXT, memory.get())) {
        return false;
    }
    (void)memory.release();  // the clipboard owns it now
    return true;
}

}  // namespace tockly
