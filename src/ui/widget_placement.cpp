#include "ui/widget_placement.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tockly {
namespace {

int Overlap(int from, int to, int areaFrom, int areaTo) {
    return std::max(0, std::min(to, areaTo) - std::max(from, areaFrom));
}

bool Reachable(const WidgetFrame& frame, const AreaRect& area) {
    const int across = Overlap(frame.x, frame.x + frame.width, area.left, area.right);
    const int down = Overlap(frame.y, frame.y + frame.height, area.top, area.bottom);
    return across >= std::min(frame.width, kReachableWidth) &&
           down >= std::min(frame.height, kReachableHeight) && across > 0 && down > 0;
}

// How far the frame is from the area (0 when they overlap), squared.
std::int64_t DistanceSquared(const WidgetFrame& frame, const AreaRect& area) {
    const auto gap = [](std::int64_t from, std::int64_t to, std::int64_t areaFrom,
                        std::int64_t areaTo) -> std::int64_t {
        if (to <= areaFrom) {
            return areaFrom - to;
        }
        if (from >= areaTo) {
            return from - areaTo;
        }
        return 0;
    };
    const std::int64_t across =
        gap(frame.x, std::int64_t{frame.x} + frame.width, area.left, area.right);
    const std::int64_t down =
        gap(frame.y, std::int64_t{frame.y} + frame.height, area.top, area.bottom);
    return across * across + down * down;
}

int Into(int at, int size, int from, int to) {
    return std::max(from, std::min(at, to - size));
}

}  // namespace

WindowPosition ReachablePosition(const WidgetFrame& frame, std::span<const AreaRect> workAreas) {
    const AreaRect* nearest = nullptr;
    std::int64_t nearestDistance = std::numeric_limits<std::int64_t>::max();
    for (const AreaRect& area : workAreas) {
        if (area.width() <= 0 || area.height() <= 0) {
            continue;
        }
        if (Reachable(frame, area)) {
            return {frame.x, frame.y};
        }
        const std::int64_t distance = DistanceSquared(frame, area);
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = &area;
        }
    }
    if (nearest == nullptr) {
        return {frame.x, frame.y};
    }
    return {Into(frame.x, frame.width, nearest->left, nearest->right),
            Into(frame.y, frame.height, nearest->top, nearest->bottom)};
}

WindowPosition CentredOn(const AreaRect& screen, int width, int height) {
    return {screen.left + (screen.width() - width) / 2,
            screen.top + (screen.height() - height) / 2};
}

WindowPosition NewNoteBeside(const WidgetFrame& note) {
    const int left = note.x - kNewNoteLeftShift;
    if (left < 1) {
        return {note.x + note.width + kNewNoteRightGap, note.y};
    }
    return {left, note.y};
}

}  // namespace tockly
