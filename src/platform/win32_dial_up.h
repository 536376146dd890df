#pragma once
// Dial-up through the remote access service (rasapi32). The service's functions are taken from a
// table, so that tests can stand in for connections that Wine cannot make. A table without them
// all (the library missing) enumerates, dials and hangs up nothing.

#include <windows.h>

#include <ras.h>
#include <raserror.h>

#include <memory>
#include <string_view>
#include <vector>

#include "platform/dial_up.h"
#include "platform/win32_system_library.h"

namespace tockly {

struct RasFunctions {
    decltype(&::RasEnumEntriesW) enumEntries;
    decltype(&::RasGetEntryDialParamsW) getEntryDialParams;
    decltype(&::RasDialW) dial;
    decltype(&::RasEnumConnectionsW) enumConnections;
    decltype(&::RasHangUpW) hangUp;
    // The library the functions are in, kept loaded by every copy (a dial's thread has one).
    std::shared_ptr<const SystemLibrary> library;

    // rasapi32's functions, from the system folder; all null where it does not load.
    static RasFunctions System();
    bool complete() const noexcept {
        return enumEntries && getEntryDialParams && dial && enumConnections && hangUp;
    }
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
