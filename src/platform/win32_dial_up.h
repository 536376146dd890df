#pragma once
// Dial-up through the remote access service (rasapi32). The service's functions are taken from a
// table, so that tests can stand in for connections that Wine cannot make.

#include <windows.h>

#include <ras.h>
#include <raserror.h>

#include <string_view>
#include <vector>

#include "platform/dial_up.h"

namespace tockly {

struct RasFunctions {
    decltype(&::RasEnumEntriesW) enumEntries;
    decltype(&::RasGetEntryDialParamsW) getEntryDialParams;
    decltype(&::RasDialW) dial;
    decltype(&::RasEnumConnectionsW) enumConnections;
    decltype(&::RasHangUpW) hangUp;

    static RasFunctions System();
};

// The default phone books' entries; empty when the enumeration fails.
std::vector<PhoneBookEntry> EnumeratePhoneBook(const RasFunctions& ras);

// Dials the entry of the default phone book with its stored credentials and waits for the
// outcome. A dial that fails after it was given a connection hangs that connection up. True when
// connected.
bool DialEntry(const RasFunctions& ras, std::u16string_view entryName);

// Hangs up the first active connection whose entry name is exactly `entryName` and that hangs up
// successfully (room for 100 active connections). True when one was hung up.
bool HangUpEntry(const RasFunctions& ras, std::u16string_view entryName);

class Win32DialUp final : public DialUp {
public:
    explicit Win32DialUp(const RasFunctions& ras = RasFunctions::System()) : ras_(ras) {}

    std::vector<PhoneBookEntry> Entries() override;
    // Each on a detached thread with its own copy of the name.
    void StartDial(std::u16string_view entryName) override;
    void StartHangUp(std::u16string_view entryName) override;

private:
    RasFunctions ras_;
};

}  // namespace tockly
