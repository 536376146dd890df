#pragma once
// Dial-up connections of the platform's remote access service: its phone-book entries, and
// dialling or hanging up one of them by name.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tockly {

// A phone-book entry as RasEnumEntriesW reports it.
struct PhoneBookEntry {
    std::u16string name;
    std::uint32_t flags = 0;  // REN_User or REN_AllUsers: which phone book holds it
    std::u16string phoneBookPath;

    bool operator==(const PhoneBookEntry&) const = default;
};

class DialUp {
public:
    virtual ~DialUp() = default;

    // The entries of the default phone books, in the order the platform gives them; empty when
    // there are none or the enumeration fails.
    virtual std::vector<PhoneBookEntry> Entries() = 0;

    // Dials the entry with the credentials the system keeps for it (RasGetEntryDialParamsW,
    // RasDialW), on a thread of its own: a dial blocks until it connects or fails. Returns at
    // once; the outcome is not reported.
    virtual void StartDial(std::u16string_view entryName) = 0;

    // Hangs up the first active connection made through the entry (RasEnumConnectionsW, names
    // compared exactly; RasHangUpW), on a thread of its own. Returns at once; the outcome is not
    // reported.
    virtual void StartHangUp(std::u16string_view entryName) = 0;
};

}  // namespace tockly
