#pragma once
// What a widget's owner was told, for the Win32 widget tests: each WM_COMMAND it got as a notice
// (code, widget id, value) that compares and prints.

#include <windows.h>

#include <ostream>
#include <vector>

#include "toolkit/test_parent.h"
#include "widgets/widget_rules.h"

namespace tockly::testing {

struct Notice {
    WORD code = 0;
    WORD widget = 0;
    LPARAM value = 0;
    bool operator==(const Notice&) const = default;
};

inline void PrintTo(const Notice& notice, std::ostream* out) {
    *out << "{" << notice.code << ", widget " << notice.widget << ", " << notice.value << "}";
}

// `WidgetChanged` of a widget, and one of its family's events.
inline Notice ChangedNotice(WORD widgetId) {
    return {kWidgetChangedCode, widgetId, kSettingsChanged};
}
inline Notice EventNotice(WidgetFamily family, WORD widgetId, int code) {
    return {static_cast<WORD>(family), widgetId, code};
}

// Every WM_COMMAND the owner got, in order.
inline std::vector<Notice> Notices(const TestParent& owner) {
    std::vector<Notice> notices;
    for (const CommandRecord& record : owner.commands) {
        notices.push_back({record.id, record.code, record.lParam});
    }
    return notices;
}

}  // namespace tockly::testing
