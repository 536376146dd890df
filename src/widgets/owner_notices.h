#pragma once
// Telling a widget's owner two things in a row. The owner may destroy the widget while it is told
// the first, so all that the second needs is read from the widget before anything is sent.

#include <windows.h>

#include "widgets/abstract_widget.h"

namespace tockly {

// The widget's `WidgetEvent` `eventCode`, then `WidgetChanged` when `thenChanged` and the widget
// reports changes. Sent, so for the user-interface thread only; the widget may be gone after.
inline void SendEventThenChanged(const bfAbstractWidget& widget, int eventCode, bool thenChanged) {
    const HWND owner = widget.owner();
    const WORD id = widget.widgetId();
    const auto family = static_cast<WORD>(widget.family());
    const bool changed = thenChanged && widget.reportChanges();
    ::SendMessageW(owner, WM_COMMAND, MAKEWPARAM(family, id), eventCode);
    if (changed) {
        ::SendMessageW(owner, WM_COMMAND, MAKEWPARAM(kWidgetChangedCode, id), kSettingsChanged);
    }
}

}  // namespace tockly
