#pragma once
// Fakes of the seam that remember what they were asked: the autostart value under "Run" and the
// mail program.

#include <string>
#include <string_view>
#include <vector>

#include "platform/autostart_registry.h"
#include "platform/mail.h"

namespace tockly::testing {

// Keeps the "Run" values in memory, with every call in order.
class RecordingAutostart final : public AutostartRegistry {
public:
    struct Call {
        bool set = false;  // false: a deletion
        std::u16string name;
        std::u16string data;
        bool operator==(const Call&) const = default;
    };

    bool SetRunValue(std::u16string_view name, std::u16string_view data) override {
        calls.push_back({true, std::u16string(name), std::u16string(data)});
        return true;
    }
    bool DeleteRunValue(std::u16string_view name) override {
        calls.push_back({false, std::u16string(name), {}});
        return true;
    }

    std::vector<Call> calls;
};

class RecordingMail final : public MailComposer {
public:
    bool Compose(const MailDraft& draft) override {
        drafts.push_back(draft);
        return false;
    }

    std::vector<MailDraft> drafts;
};

}  // namespace tockly::testing
