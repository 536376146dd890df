#pragma once
// The geometry and stepping of bfVScrollBar: a position within a content size and a page size, a
// thumb proportional to the page, line and page steps, dragging and the wheel. Portable; the combo
// box list uses the same model for its own scroll strip.

#include "toolkit/wheel_notches.h"

namespace tockly {

enum class ScrollPart { None, UpArrow, DownArrow, Thumb, TrackAbove, TrackBelow };

class VScrollModel {
public:
    static constexpr int kDefaultArrowHeight = 18;
    static constexpr int kMinimumThumb = 20;
    static constexpr int kDefaultWheelLines = 2;

    explicit VScrollModel(int arrowHeight = kDefaultArrowHeight);

    // The bar's height, at least four arrow heights; returns the height taken.
    int SetHeight(int height);
    // Another skin's arrows; the height keeps to four of them at least. Returns the height taken.
    int SetArrowHeight(int arrowHeight);
    void SetContent(int content);
    void SetPage(int page);
    void SetLineStep(int lineStep) { lineStep_ = lineStep < 1 ? 1 : lineStep; }
    void SetWheelLines(int lines) { wheelLines_ = lines < 1 ? 1 : lines; }
    // Limited to 0 … content − page.
    void SetPosition(int position);

    [[nodiscard]] int height() const { return height_; }
    [[nodiscard]] int arrowHeight() const { return arrowHeight_; }
    [[nodiscard]] int content() const { return content_; }
    [[nodiscard]] int page() const { return page_; }
    [[nodiscard]] int lineStep() const { return lineStep_; }
    [[nodiscard]] int position() const { return position_; }
    [[nodiscard]] int maxPosition() const;
    [[nodiscard]] int trackLength() const { return height_ - 2 * arrowHeight_; }
    [[nodiscard]] int maximumThumb() const { return maximumThumb_; }
    [[nodiscard]] int thumbHeight() const { return thumbHeight_; }
    [[nodiscard]] int thumbTop() const { return thumbTop_; }
    [[nodiscard]] int travel() const { return trackLength() - thumbHeight_; }

    [[nodiscard]] ScrollPart HitTest(int y) const;

    // Line steps; false when the position was already at its end (the repeat stops).
    bool LineUp();
    bool LineDown();
    // Page steps towards `pressY` while that point lies beyond the thumb; false once the thumb
    // has reached it (the repeat stops) or the end is reached.
    bool PageUpTowards(int pressY);
    bool PageDownTowards(int pressY);
    // Whether a page step towards `pressY` (downwards or upwards) would move: the point lies
    // beyond the thumb on that side and the position is not at that end. A held track press whose
    // paging stopped resumes when the pointer moves to such a point.
    [[nodiscard]] bool CanPageTowards(int pressY, bool down) const;
    // Page steps from the keyboard, with no press point; false at the end.
    bool PageUp();
    bool PageDown();

    // Thumb dragging: the thumb follows the pointer's travel from the press point, within the
    // track, and the position follows the thumb. DragTo returns true when the position changed.
    void BeginDrag(int pressY);
    bool DragTo(int y);
    [[nodiscard]] bool dragging() const { return dragging_; }
    void EndDrag();

    // A wheel rotation in WM_MOUSEWHEEL units; partial notches of fine-grained wheels add up.
    // Returns true when the position changed.
    bool Wheel(int delta);

private:
    void Recompute();
    bool MoveTo(int position);

    int arrowHeight_;
    int height_ = 0;
    int content_ = 0;
    int page_ = 0;
    int position_ = 0;
    int lineStep_ = 1;
    int wheelLines_ = kDefaultWheelLines;
    int maximumThumb_ = 0;
    int thumbHeight_ = 0;
    int thumbTop_ = 0;
    WheelNotches wheel_;
    bool dragging_ = false;
    int dragPressY_ = 0;
    int dragStartTop_ = 0;
};

}  // namespace tockly
