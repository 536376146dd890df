#pragma once
// Telling a widget's owner things in a row. The owner may destroy the widget while it is told the
// first, so everything the later ones need is read from the widget before anything is sent.
// Sent, so for the user-interface thread only; the widget may be gone after each.

#include <windows.h>

#include "widgets/abstract_widget.h"
#include "widgets/widget_rules.h"

namespace tockly {

// The owner's address and what the widget may tell it, taken before the first notification.
struct OwnerNotices {
    HWND owner = nullptr;
    WORD widgetId = 0;
    WidgetFamily family = WidgetFamily::None;
    bool reportChanges = false;

    static OwnerNotices Of(const bfAbstractWidget& widget) {
        return {widget.owner(), widget.widgetId(), widget.family(), widget.reportChanges()};
    }

    // The family's `WidgetEvent` `eventCode`.
    void SendEvent(int eventCode) const {
        if (family != WidgetFamily::None) {
            ::SendMessageW(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(family), widgetId),
                           eventCode);
        }
    }
    // `WidgetChanged`, only while report changes was set.
    void SendChanged() const {
        if (reportChanges && family != WidgetFamily::None) {
            ::SendMessageW(owner, WM_COMMAND, MAKEWPARAM(kWidgetChangedCode, widgetId),
                           kSettingsChanged);
        }
    }
};

// The widget's `WidgetEvent` `eventCode`, then `WidgetChanged` when `thenChanged` and the widget
// reports changes.
inline void SendEventThenChanged(const bfAbstractWidget& widget, int eventCode, bool thenChanged) {
    const OwnerNotices notices = OwnerNotices::Of(widget);
    notices.SendEvent(eventCode);
    if (thenChanged) {
        notices.SendChanged();
    }
}

}  // namespace tockly
