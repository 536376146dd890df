#include "toolkit/vscroll_model.h"

#include <algorithm>
#include <cmath>

namespace tockly {
namespace {

int Round(double value) {
    return static_cast<int>(std::lround(value));
}

}  // namespace

VScrollModel::VScrollModel(int arrowHeight) : arrowHeight_(std::max(arrowHeight, 1)) {
    SetHeight(0);
}

int VScrollModel::SetHeight(int height) {
    height_ = std::max(height, 4 * arrowHeight_);
    maximumThumb_ = Round(trackLength() * 0.9);
    Recompute();
    return height_;
}

int VScrollModel::SetArrowHeight(int arrowHeight) {
    arrowHeight_ = std::max(arrowHeight, 1);
    return SetHeight(height_);
}

void VScrollModel::SetContent(int content) {
    content_ = std::max(content, 0);
    SetPosition(position_);
}

void VScrollModel::SetPage(int page) {
    page_ = std::max(page, 0);
    SetPosition(position_);
}

int VScrollModel::maxPosition() const {
    return std::max(content_ - page_, 0);
}

void VScrollModel::SetPosition(int position) {
    position_ = std::clamp(position, 0, maxPosition());
    Recompute();
}

void VScrollModel::Recompute() {
    const int track = trackLength();
    const int minimum = std::min(kMinimumThumb, maximumThumb_);
    const int proportional =
        content_ > page_ ? Round(static_cast<double>(track) * page_ / content_) : track;
    thumbHeight_ = std::clamp(proportional, minimum, maximumThumb_);
    if (dragging_) {
        return;  // while dragging, the thumb follows the pointer, not the rounded position
    }
    const int range = maxPosition();
    const int offset = range > 0 ? Round(static_cast<double>(travel()) * position_ / range) : 0;
    thumbTop_ = arrowHeight_ + offset;
    if (offset == 0) {
        thumbTop_ = arrowHeight_ - 1;  // the thumb's top border covers the arrow's last row
    }
}

ScrollPart VScrollModel::HitTest(int y) const {
    if (y < 0 || y >= height_) {
        return ScrollPart::None;
    }
    if (y < arrowHeight_) {
        return ScrollPart::UpArrow;
    }
    if (y >= height_ - arrowHeight_) {
        return ScrollPart::DownArrow;
    }
    if (y < thumbTop_) {
        return ScrollPart::TrackAbove;
    }
    if (y < thumbTop_ + thumbHeight_) {
        return ScrollPart::Thumb;
    }
    return ScrollPart::TrackBelow;
}

bool VScrollModel::MoveTo(int position) {
    const int before = position_;
    SetPosition(position);
    return position_ != before;
}

bool VScrollModel::LineUp() {
    return MoveTo(position_ - lineStep_);
}

bool VScrollModel::LineDown() {
    return MoveTo(position_ + lineStep_);
}

bool VScrollModel::PageUp() {
    return MoveTo(position_ - std::max(page_, 1));
}

bool VScrollModel::PageDown() {
    return MoveTo(position_ + std::max(page_, 1));
}

bool VScrollModel::CanPageTowards(int pressY, bool down) const {
    if (down) {
        return pressY >= thumbTop_ + thumbHeight_ && position_ < maxPosition();
    }
    return pressY < thumbTop_ && position_ > 0;
}

bool VScrollModel::PageUpTowards(int pressY) {
    return CanPageTowards(pressY, false) && PageUp();
}

bool VScrollModel::PageDownTowards(int pressY) {
    return CanPageTowards(pressY, true) && PageDown();
}

void VScrollModel::BeginDrag(int pressY) {
    dragging_ = true;
    dragPressY_ = std::clamp(pressY, arrowHeight_, height_ - arrowHeight_);
    dragStartTop_ = std::max(thumbTop_, arrowHeight_);
}

bool VScrollModel::DragTo(int y) {
    if (!dragging_) {
        return false;
    }
    const int pointer = std::clamp(y, arrowHeight_, height_ - arrowHeight_);
    thumbTop_ =
        std::clamp(dragStartTop_ + pointer - dragPressY_, arrowHeight_, arrowHeight_ + travel());
    const int range = maxPosition();
    const int position =
        travel() > 0 ? Round(static_cast<double>(range) * (thumbTop_ - arrowHeight_) / travel())
                     : 0;
    return MoveTo(position);
}

void VScrollModel::EndDrag() {
    dragging_ = false;
    Recompute();
}

bool VScrollModel::Wheel(int delta) {
    const int notches = wheel_.Add(delta);
    bool moved = false;
    for (int line = 0; line < std::abs(notches) * wheelLines_; ++line) {
        if (!(notches > 0 ? LineUp() : LineDown())) {
            break;
        }
        moved = true;
    }
    return moved;
}

}  // namespace tockly
