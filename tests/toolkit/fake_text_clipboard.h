#pragma once
// A clipboard for the editing models' tests: holds text, and can be made busy like a clipboard
// another program keeps open.

#include <optional>
#include <string>

#include "toolkit/text_clipboard.h"

namespace tockly::testing {

class FakeTextClipboard : public TextClipboard {
public:
    std::optional<std::u16string> content;
    bool busy = false;
    int writes = 0;

    std::optional<std::u16string> ReadText() override { return busy ? std::nullopt : content; }
    bool WriteText(std::u16string_view text) override {
        if (busy) {
            return false;
        }
        ++writes;
        content = std::u16string(text);
        return true;
    }
};

}  // namespace tockly::testing
