#pragma once
// A plain widget on the widget base, for the tests and the widget gallery: a title and a countdown
// (both drag labels), a progress strip under the body while "Show progress bar" is checked, and a
// worker whose second's work the test gives.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "toolkit/static_text.h"
#include "widgets/abstract_widget.h"
#include "widgets/widget_rules.h"

namespace tockly::testing {

class PlainWidget : public bfAbstractWidget {
public:
    static constexpr int kWidth = 198;
    static constexpr int kBodyHeight = 70;
    static constexpr int kStripHeight = 10;
    static constexpr WORD kTitleId = 1;
    static constexpr WORD kCountdownId = 2;

    PlainWidget(HWND owner, WORD id, const Clock& clock = WidgetClock(),
                std::u16string menu = u"Universal_PopupMenu")
        : bfAbstractWidget(owner, id, {WidgetFamily::Counter, kWidth, kBodyHeight, std::move(menu)},
                           clock),
          title_(window(), kTitleId, 150, 20),
          countdown_(window(), kCountdownId, 150, 30) {
        Place(title_, 10, 6, {L"Georgia", 16, FW_NORMAL, true});
        Place(countdown_, 10, 30, {L"Georgia", 26, FW_NORMAL, false});
        title_.SetText(L"Tea is ready");
        countdown_.SetText(L"00 : 04 : 30");
        AddDragLabel(kTitleId);
        AddDragLabel(kCountdownId);
    }
    ~PlainWidget() override { SetRunning(false); }  // the worker reads this class's members

    // The worker's work, on the worker thread holding the widget's lock. Set it while stopped.
    std::function<WorkerStep(const TimePoint& now)> everySecond;

    // Under the widget's lock, as a worker would; the strip shows it after the next repaint.
    void SetProgress(std::int64_t remaining, std::int64_t total) {
        CriticalSectionLock hold(widgetLock());
        remaining_ = remaining;
        total_ = total;
    }
    void SetCountdownText(std::wstring text) {
        CriticalSectionLock hold(widgetLock());
        countdownText_ = std::move(text);
    }
    bfStaticText& title() { return title_; }
    bfStaticText& countdown() { return countdown_; }
    int textRefreshes() const { return textRefreshes_; }
    int stripColumns() const {
        CriticalSectionLock hold(widgetLock());
        return ProgressStripWidth(remaining_, total_, kProgressStripWidth);
    }

    // The tests add handlers of their own (WM_ENTERIDLE while the menu is open) and play the
    // widgets that keep some commands to themselves.
    using bfAbstractWidget::SetCommonReports;
    using bfAbstractWindow::messages;

protected:
    WorkerStep EverySecond(const TimePoint& now) override {
        return everySecond ? everySecond(now) : WorkerStep{};
    }
    void ProgressBarChanged(bool shown) override {
        Resize(kWidth, kBodyHeight + (shown ? kStripHeight : 0));
    }
    void PaintWidget(const PaintContext& paint) override {
        PaintBody(paint);
        if (showProgressBar()) {
            PaintProgressStrip(paint, kBodyHeight, stripColumns());
        }
    }
    RECT ProgressStripArea() const override {
        return showProgressBar() ? RECT{1, kBodyHeight, kWidth - 1, kBodyHeight + kStripHeight - 1}
                                 : RECT{};
    }
    void RefreshTexts() override {
        std::wstring text;
        {
            CriticalSectionLock hold(widgetLock());
            text = countdownText_;
        }
        countdown_.SetText(text);
        ++textRefreshes_;
    }

private:
    void Place(bfStaticText& label, int x, int y, const FontSpec& font) {
        label.Move(x, y);
        label.LoadBackgroundBitmapFile(kWidgetTile);
        label.SetFont(font);
        label.SetTextColors(RGB(232, 232, 232), RGB(140, 140, 140));
        label.Show(true);
    }

    bfStaticText title_;
    bfStaticText countdown_;
    std::int64_t remaining_ = 270;
    std::int64_t total_ = 600;
    std::wstring countdownText_ = L"00 : 04 : 30";
    int textRefreshes_ = 0;
};

}  // namespace tockly::testing
