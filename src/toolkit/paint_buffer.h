#pragma once
// The off-screen buffer that controls paint into before one BitBlt to the screen. Controls of one
// thread paint one at a time, so they share one buffer per thread, grown to the largest control
// and kept while any control of the thread lives: a screen full of controls costs two DCs and one
// bitmap, not one each.

#include <windows.h>

#include <memory>
#include <optional>

#include "support/gdi_handles.h"

namespace tockly {

class PaintBuffer {
public:
    // The buffer of the calling thread, made on first use.
    static std::shared_ptr<PaintBuffer> ForThisThread();

    PaintBuffer() = default;
    ~PaintBuffer() = default;
    PaintBuffer(const PaintBuffer&) = delete;
    PaintBuffer& operator=(const PaintBuffer&) = delete;

    // The buffer for one paint. Empty when the platform refuses the memory, or while another paint
    // of this thread holds it (a paint inside a paint): the caller then draws straight to its DC.
    class Lease {
    public:
        Lease() = default;
        ~Lease();
        Lease(Lease&& other) noexcept;
        Lease& operator=(Lease&&) = delete;

        explicit operator bool() const noexcept { return owner_ != nullptr; }
        HDC dc() const noexcept;

    private:
        friend class PaintBuffer;
        explicit Lease(PaintBuffer* owner) noexcept : owner_(owner) {}
        PaintBuffer* owner_ = nullptr;
    };
    Lease Acquire(int width, int height);

    // A memory DC into which skin bitmaps are selected one at a time for AlphaBlend.
    HDC SourceDc();

private:
    bool Grow(int width, int height);

    // Declared in this order so that the bitmap leaves the DC before either is freed.
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    std::optional<SelectedObject> selection_;
    UniqueMemoryDc sourceDc_;
    int width_ = 0;
    int height_ = 0;
    bool leased_ = false;
};

}  // namespace tockly
