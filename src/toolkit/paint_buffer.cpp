#include "toolkit/paint_buffer.h"

#include <algorithm>
#include <utility>

#include "toolkit/dib_section.h"

namespace tockly {

std::shared_ptr<PaintBuffer> PaintBuffer::ForThisThread() {
    thread_local std::weak_ptr<PaintBuffer> current;
    std::shared_ptr<PaintBuffer> buffer = current.lock();
    if (!buffer) {
        buffer = std::make_shared<PaintBuffer>();
        current = buffer;
    }
    return buffer;
}

bool PaintBuffer::Grow(int width, int height) {
    if (dc_ && width <= width_ && height <= height_) {
        return true;
    }
    if (!dc_) {
        dc_.reset(::CreateCompatibleDC(nullptr));
        if (!dc_) {
            return false;
        }
    }
    const int newWidth = std::max(width, width_);
    const int newHeight = std::max(height, height_);
    UniqueBitmap bitmap = CreateDibSection32(newWidth, newHeight).bitmap;
    if (!bitmap) {
        return false;
    }
    // The DC's own bitmap goes back before the old buffer is freed, and the new one takes its
    // place.
    selection_.reset();
    bitmap_ = std::move(bitmap);
    selection_.emplace(dc_.get(), bitmap_.get());
    width_ = newWidth;
    height_ = newHeight;
    return true;
}

PaintBuffer::Lease PaintBuffer::Acquire(int width, int height) {
    if (leased_ || !Grow(width, height)) {
        return Lease();
    }
    leased_ = true;
    return Lease(this);
}

HDC PaintBuffer::SourceDc() {
    if (!sourceDc_) {
        sourceDc_.reset(::CreateCompatibleDC(nullptr));
    }
    return sourceDc_.get();
}

PaintBuffer::Lease::~Lease() {
    if (owner_ != nullptr) {
        owner_->leased_ = false;
    }
}

PaintBuffer::Lease::Lease(Lease&& other) noexcept : owner_(std::exchange(other.owner_, nullptr)) {}

HDC PaintBuffer::Lease::dc() const noexcept {
    return owner_ != nullptr ? owner_->dc_.get() : nullptr;
}

}  // namespace tockly
