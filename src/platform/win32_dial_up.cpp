#include "platform/win32_dial_up.h"

#include <algorithm>
#include <string>

#include "platform/win32_detached_thread.h"
#include "support/wide_text.h"

namespace tockly {
namespace {

// The active connections HangUpEntry has room for; more make the enumeration fail.
constexpr std::size_t kConnectionRoom = 100;

// Copies `text` into a fixed, zero-terminated field, cut to fit.
template <std::size_t Size>
void CopyField(WCHAR (&field)[Size], std::u16string_view text) {
    const std::size_t length = std::min(text.size(), Size - 1);
    text.copy(reinterpret_cast<char16_t*>(field), length);
    field[length] = L'\0';
}

// The dial parameters hold the stored password: they are wiped when they go.
struct DialParameters {
    RASDIALPARAMSW params{};
    DialParameters() { params.dwSize = sizeof(params); }
    ~DialParameters() { ::SecureZeroMemory(&params, sizeof(params)); }
    DialParameters(const DialParameters&) = delete;
    DialParameters& operator=(const DialParameters&) = delete;
};

}  // namespace

RasFunctions RasFunctions::System() {
    auto library = std::make_shared<const SystemLibrary>(L"rasapi32.dll");
    return {library->Find<decltype(&::RasEnumEntriesW)>("RasEnumEntriesW"),
            library->Find<decltype(&::RasGetEntryDialParamsW)>("RasGetEntryDialParamsW"),
            library->Find<decltype(&::RasDialW)>("RasDialW"),
            library->Find<decltype(&::RasEnumConnectionsW)>("RasEnumConnectionsW"),
            library->Find<decltype(&::RasHangUpW)>("RasHangUpW"),
            library};
}

std::vector<PhoneBookEntry> EnumeratePhoneBook(const RasFunctions& ras) {
    if (!ras.complete()) {
        return {};
    }
    std::vector<RASENTRYNAMEW> entries(1);
    DWORD result = ERROR_BUFFER_TOO_SMALL;
    DWORD count = 0;
    // The first call says how much room the entries need, if one is not enough.
    for (int attempt = 0; attempt < 2 && result == ERROR_BUFFER_TOO_SMALL; ++attempt) {
        entries[0].dwSize = sizeof(RASENTRYNAMEW);
        DWORD bytes = static_cast<DWORD>(entries.size() * sizeof(RASENTRYNAMEW));
        count = 0;
        result = ras.enumEntries(nullptr, nullptr, entries.data(), &bytes, &count);
        if (result == ERROR_BUFFER_TOO_SMALL) {
            entries.resize(bytes / sizeof(RASENTRYNAMEW) + 1);
        }
    }
    std::vector<PhoneBookEntry> found;
    if (result != ERROR_SUCCESS) {
        return found;
    }
    for (DWORD i = 0; i < count && i < entries.size(); ++i) {
        found.push_back({FromWide(entries[i].szEntryName), entries[i].dwFlags,
                         FromWide(entries[i].szPhonebookPath)});
    }
    return found;
}

bool DialEntry(const RasFunctions& ras, std::u16string_view entryName) {
    if (!ras.complete()) {
        return false;
    }
    DialParameters dial;
    CopyField(dial.params.szEntryName, entryName);
    BOOL hasPassword = FALSE;
    if (ras.getEntryDialParams(nullptr, &dial.params, &hasPassword) != ERROR_SUCCESS) {
        return false;
    }
    HRASCONN connection = nullptr;
    // No notifier: the call returns when the connection is made or has failed.
    if (ras.dial(nullptr, nullptr, &dial.params, 0xFFFFFFFF, nullptr, &connection) ==
        ERROR_SUCCESS) {
        return true;
    }
    // A failed dial may still have been given a connection, which the service keeps until it is
    // hung up.
    if (connection != nullptr) {
        ras.hangUp(connection);
    }
    return false;
}

bool HangUpEntry(const RasFunctions& ras, std::u16string_view entryName) {
    if (!ras.complete()) {
        return false;
    }
    std::vector<RASCONNW> connections(kConnectionRoom);
    connections[0].dwSize = sizeof(RASCONNW);
    DWORD bytes = static_cast<DWORD>(connections.size() * sizeof(RASCONNW));
    DWORD count = 0;
    if (ras.enumConnections(connections.data(), &bytes, &count) != ERROR_SUCCESS) {
        return false;
    }
    for (DWORD i = 0; i < count && i < connections.size(); ++i) {
        if (std::u16string_view(reinterpret_cast<const char16_t*>(connections[i].szEntryName)) ==
                entryName &&
            ras.hangUp(connections[i].hrasconn) == ERROR_SUCCESS) {
            return true;
        }
    }
    return false;
}

std::vector<PhoneBookEntry> Win32DialUp::Entries() {
    return EnumeratePhoneBook(ras_);
}

void Win32DialUp::StartDial(std::u16string_view entryName) {
    StartDetachedThread([ras = ras_, name = std::u16string(entryName)] { DialEntry(ras, name); });
}

void Win32DialUp::StartHangUp(std::u16string_view entryName) {
    StartDetachedThread([ras = ras_, name = std::u16string(entryName)] { HangUpEntry(ras, name); });
}

}  // namespace tockly
