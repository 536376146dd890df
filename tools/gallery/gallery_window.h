#pragma once
// The toolkit gallery: one window with every skinned control in every state it can show, on the
// three kinds of background (solid, the owner's gradient, a pattern tile).

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "toolkit/abstract_control.h"
#include "toolkit/abstract_window.h"
#include "toolkit/skin_cache.h"
#include "toolkit/static_text.h"
#include "toolkit/text_box.h"
#include "toolkit/vscroll_bar.h"

namespace tockly::gallery {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
};

class GalleryWindow : public bfAbstractWindow {
public:
    GalleryWindow();
    ~GalleryWindow() override;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The window as it stands on the screen, with the states that last only while the mouse is
    // on a control (hovered, pressed) put in one control at a time.
    Picture TakePicture();
    // Average time of one full repaint of the window and all its controls.
    double RepaintMilliseconds(int rounds);
    std::size_t controlCount() const noexcept { return controls_.size(); }

private:
    // A state that lasts only while the mouse is on the control.
    struct MouseStage {
        bfAbstractControl* control;
        std::function<void(HWND)> enter;
        std::function<void(HWND)> leave;
    };

    template <typename Control, typename... Arguments>
    Control& Add(int x, int y, Arguments&&... arguments);
    bfStaticText& Caption(int x, int y, int width, const wchar_t* text, bool heading = false);
    void Hovered(bfAbstractControl& control, int x = 5, int y = 5);
    // Focused, as a click or Tab leaves it.
    void FocusStage(bfAbstractControl& control);
    void Pressed(bfAbstractControl& control, int x = 5, int y = 5);

    void BuildButtons(int& y);
    void BuildMarks(int& y);
    void BuildLabels(int& y);
    void BuildGradientBand(int& y);
    void BuildPatternBand(int& y);
    // The controls people type into and scroll with, in a column at the right.
    void BuildInputs();
    // Sticky note contents in the three themes, each with its scroll bar.
    void BuildNotes();

    LRESULT OnPaint(UINT, WPARAM, LPARAM);
    LRESULT OnNotify(UINT, WPARAM, LPARAM);
    LRESULT OnCommand(UINT, WPARAM, LPARAM);
    void PaintBackground(HDC dc);

    std::vector<std::unique_ptr<bfAbstractControl>> controls_;
    std::vector<MouseStage> stages_;
    struct Note {
        bfTextBox* box;
        bfVScrollBar* bar;
    };
    std::vector<Note> notes_;
    RECT gradientBand_{};
    RECT patternBand_{};
    SharedBitmap tile_;
};

}  // namespace tockly::gallery
