#pragma once
// bfAbstractWidget: what every desktop widget (task counter, timer, counter, stopwatch, sticky
// note, message view) shares between bfAbstractWindow and its own class.
//
// - The window: a layered tool-window popup (no task-bar button), painted off screen on the
//   "40_bkg" tile with a one-pixel frame, dragged by a left press in its drag area or on one of
//   its drag labels, with transparency (applied only while shown) and always on top.
// - The popup menu: an OwnerDrawnMenu from the widget's menu resource, and the commands every
//   widget handles alike: 100 always on top, 101 progress bar, 103-112 transparency, 116 hide,
//   117 remove. A derived widget sees every WM_COMMAND first (HandleCommand).
// - The notifications to the owner window (the task list of the widget's kind): WM_COMMAND with
//   the widget id in HIWORD(wParam); a `WidgetEvent` carries the family and an event code,
//   `WidgetChanged` (only while report changes is set) tells that a stored setting changed. From
//   the user-interface thread they are sent, from the worker posted. The owner may destroy the
//   widget while it handles one; the widget touches nothing of itself after sending.
// - The worker (WidgetWorker): SetRunning starts and stops it. Once per wall-clock second it calls
//   EverySecond on the worker thread, holding the widget's lock, and that returns what the
//   user-interface thread must do (WorkerStep::uiWork, bits of worker_ui), the events to post and
//   whether the worker ends. The worker itself only changes state under the lock and posts; the
//   texts, paints, shows and hides happen on the user-interface thread, in ApplyWorkerWork, when
//   the posted kWorkerMessage arrives. So stopping a worker never waits for the UI thread.
//
// A derived widget whose EverySecond reads its own members must call SetRunning(false) first in
// its own destructor: by the time this base's destructor stops the worker, they are gone.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>

#include "platform/clock.h"
#include "support/critical_section.h"
#include "toolkit/abstract_window.h"
#include "toolkit/paint_buffer.h"
#include "toolkit/skin_cache.h"
#include "toolkit/skin_drawing.h"
#include "widgets/owner_drawn_menu.h"
#include "widgets/widget_rules.h"
#include "widgets/widget_worker.h"
#include "widgets/worker_loop.h"

namespace tockly {

inline constexpr DWORD kWidgetStyle = WS_POPUP | WS_CLIPCHILDREN;
inline constexpr DWORD kWidgetExtendedStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW;
inline constexpr COLORREF kWidgetFrameColor = RGB(109, 109, 109);
inline constexpr const wchar_t* kWidgetTile = L"data\\bitmaps\\40_bkg.bmp";
inline constexpr const wchar_t* kProgressStripBitmap = L"data\\bitmaps\\1x9_green_progress_bar.bmp";

struct WidgetSpec {
    WidgetFamily family = WidgetFamily::None;
    int width = 0;
    int height = 0;
    std::u16string menu;  // the popup menu's resource; empty: no menu
    DWORD style = kWidgetStyle;
};

// Which common commands tell the owner that a setting changed: the stopwatch keeps "Always on top"
// to itself and the timer "Hide".
struct CommonCommandReports {
    bool alwaysOnTop = true;
    bool hide = true;
};

// What the worker asks of the user-interface thread (WorkerStep::uiWork).
namespace worker_ui {
inline constexpr std::uint32_t kTexts = 1u << 0;    // RefreshTexts
inline constexpr std::uint32_t kStrip = 1u << 1;    // repaint ProgressStripArea
inline constexpr std::uint32_t kRepaint = 1u << 2;  // repaint the whole widget
inline constexpr std::uint32_t kHide = 1u << 3;     // Show(false)
// From here up, bits of a derived widget's own, for its ApplyWorkerWork.
inline constexpr std::uint32_t kFirstOwnBit = 1u << 8;
}  // namespace worker_ui

// WM_COMMAND: the id and notification code in wParam, lParam (0 for a menu command; a toolkit
// control's object).
struct CommandInput {
    WORD id = 0;
    WORD code = 0;
    LPARAM lParam = 0;

    static CommandInput From(WPARAM wParam, LPARAM lParam) noexcept {
        return {LOWORD(wParam), HIWORD(wParam), lParam};
    }
};

// WM_CONTEXTMENU: the screen point (-1, -1 when the keyboard asked for the menu).
struct ContextMenuInput {
    int screenX = 0;
    int screenY = 0;

    static ContextMenuInput From(WPARAM, LPARAM lParam) noexcept {
        return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    }
};

// The clock of the program's widgets (the local time of the system).
const Clock& WidgetClock();

class bfAbstractWidget : public bfAbstractWindow, private WidgetWorker::Client {
public:
    // Posted by the worker to its own widget; reserved for this base.
    static constexpr UINT kWorkerMessage = WM_APP + 0x0100;

    bfAbstractWidget(HWND owner, WORD widgetId, const WidgetSpec& spec,
                     const Clock& clock = WidgetClock());
    ~bfAbstractWidget() override;

    // The one message-map dispatcher of every widget.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) final;

    WORD widgetId() const noexcept { return widgetId_; }
    WidgetFamily family() const noexcept { return family_; }
    bool alwaysOnTop() const noexcept { return alwaysOnTop_; }
    int transparency() const noexcept { return transparency_; }
    bool showProgressBar() const noexcept { return showProgressBar_; }
    bool reportChanges() const noexcept { return reportChanges_; }
    bool dragging() const noexcept { return dragging_; }
    int x() const noexcept { return x_; }
    int y() const noexcept { return y_; }
    const RECT& dragArea() const noexcept { return dragArea_; }
    // Null when the menu resource could not be loaded.
    OwnerDrawnMenu* menu() const noexcept { return menu_.get(); }

    // Stores the percent and checks its menu item; the window gets its alpha only while shown.
    void SetTransparency(int percent);
    // The topmost band (or out of it) and the check mark of item 100.
    void SetAlwaysOnTop(bool onTop);
    // Stores the choice, checks item 101 and lets the widget resize (ProgressBarChanged).
    void SetShowProgressBar(bool show);
    // Set by the creator once the widget is placed and started.
    void SetReportChanges(bool report) noexcept { reportChanges_ = report; }
    // The window's top-left corner on the screen.
    void MoveTo(int x, int y);
    // Repaints now while shown; true when hidden.
    bool Refresh();

    // Starts or stops the worker. Starting twice starts one worker; stopping a stopped widget
    // does nothing; stopping waits for the worker's current step, never for this thread. A
    // widget that does more when it starts or stops (the stopwatch starts its reading) overrides
    // it and calls this one.
    virtual void SetRunning(bool run);
    bool running() const { return worker_.running(); }
    bool hasWorkerThread() const noexcept { return worker_.hasThread(); }

    // Where a left press starts a drag (client coordinates); the whole client area at first.
    void SetDragArea(const RECT& area) noexcept { dragArea_ = area; }
    // A click on this child control starts a drag, as the control reports it: a label's
    // WM_COMMAND, or a text edit's in label mode (lParam 0). A text edit's change is no click.
    void AddDragLabel(WORD controlId) { dragLabels_.insert(controlId); }

protected:
    // Guards the widget's record and the run flags; the worker holds it during EverySecond.
    CriticalSection& widgetLock() const noexcept { return worker_.lock(); }
    const Clock& clock() const noexcept { return clock_; }

    // Notifications to the owner, from the user-interface thread (sent) or any thread (posted).
    void SendWidgetEvent(int eventCode) const;
    void PostWidgetEvent(int eventCode) const;
    // Only while report changes is set.
    void SendWidgetChanged() const;
    // "Hide" and a close button: hidden, `Hidden`, and `WidgetChanged` unless the widget keeps
    // hiding to itself. The owner may destroy the widget meanwhile: return right after.
    void HideByUser();
    void SetCommonReports(const CommonCommandReports& reports) noexcept { reports_ = reports; }

    // Every WM_COMMAND comes here first (after a drag label's click); true when handled. The
    // owner may destroy the widget while a notification is sent: return right after sending.
    virtual bool HandleCommand(const CommandInput& command);
    // After the common commands 100, 101 and 103-112 changed the state, before `WidgetChanged`:
    // the place to copy it into the record.
    virtual void CommonSettingChanged() {}
    // After the progress strip was switched on or off: resize.
    virtual void ProgressBarChanged(bool /*shown*/) {}

    // Paints the whole client area into `paint` (the off-screen buffer); by default the body.
    virtual void PaintWidget(const PaintContext& paint);
    // The tile and the frame.
    void PaintBody(const PaintContext& paint) const;
    // `columns` columns of the strip bitmap from x = 1 at row `y` (see ProgressStripWidth).
    void PaintProgressStrip(const PaintContext& paint, int y, int columns) const;
    // Where the strip is, for worker_ui::kStrip; empty when the widget has none.
    virtual RECT ProgressStripArea() const { return {}; }
    // Repaints part of the window now while shown.
    bool RefreshArea(const RECT& area);

    // On the worker, holding the widget's lock, once per new wall-clock second. By default the
    // worker does nothing and goes on.
    virtual WorkerStep EverySecond(const TimePoint& now);
    // On the user-interface thread, for what the worker asked: texts, then the strip or the
    // whole widget, then hiding. A derived widget handles its own bits and calls this.
    virtual void ApplyWorkerWork(std::uint32_t work);
    // worker_ui::kTexts: read the record under the lock and set the labels.
    virtual void RefreshTexts() {}

private:
    // The owner's address, kept apart so that notifications go out without touching the widget.
    struct OwnerLine {
        HWND owner;
        WORD widgetId;
        WidgetFamily family;
        void Send(WORD code, LPARAM value) const;
        void Post(WORD code, LPARAM value) const;
    };
    OwnerLine ownerLine() const noexcept { return {owner(), widgetId_, family_}; }

    WorkerStep WorkerSecond(const TimePoint& now) override;
    void WorkerDeliver(const WorkerStep& step) override;

    LRESULT OnClose(UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void OnLeftDown(const MouseInput& mouse);
    void OnRightDown(const MouseInput& mouse);
    void OnLeftUp(const MouseInput& mouse);
    void OnMouseMove(const MouseInput& mouse);
    void OnCaptureChanged(const CaptureInput& capture);
    void OnContextMenu(const ContextMenuInput& input);
    LRESULT OnMenuItem(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(const CommandInput& command);
    LRESULT OnWorkerMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool HandleCommonCommand(int id);
    bool IsDragClick(const CommandInput& command) const;
    void StartDragAtCursor();
    void EndDrag();

    const Clock& clock_;
    const WORD widgetId_;
    const WidgetFamily family_;
    const std::uint64_t serial_;  // tells this widget's posted work from a predecessor's
    bool alwaysOnTop_ = false;
    int transparency_ = 0;
    bool showProgressBar_ = false;
    bool reportChanges_ = false;
    int x_ = 0;
    int y_ = 0;
    bool dragging_ = false;
    POINT grab_{};
    RECT dragArea_{};
    std::set<WORD> dragLabels_;
    CommonCommandReports reports_;
    std::shared_ptr<PaintBuffer> buffer_;
    SharedBitmap tile_;
    SharedBitmap strip_;
    std::unique_ptr<OwnerDrawnMenu> menu_;
    // Work the worker asked for and the user-interface thread has not done yet; under the lock.
    std::uint32_t pendingWork_ = 0;
    bool workPosted_ = false;
    WidgetWorker worker_;
};

}  // namespace tockly
