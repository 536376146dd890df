#pragma once
// What a widget told its owner: the WM_COMMAND messages a test's owner window recorded, as widget
// notifications (code, widget id, value), in the order they came.

#include <windows.h>

#include <ostream>
#include <vector>

#include "toolkit/test_parent.h"

namespace tockly::testing {

struct Notice {
    WORD code = 0;  // the family of a `WidgetEvent`, or the code of `WidgetChanged`
    WORD widget = 0;
    LPARAM value = 0;
    bool operator==(const Notice&) const = default;
};

inline void PrintTo(const Notice& notice, std::ostream* out) {
    *out << "{" << notice.code << ", widget " << notice.widget << ", " << notice.value << "}";
}

inline std::vector<Notice> Notices(const TestParent& owner) {
    std::vector<Notice> notices;
    for (const CommandRecord& record : owner.commands) {
        notices.push_back({record.id, record.code, record.lParam});
    }
    return notices;
}

}  // namespace tockly::testing
