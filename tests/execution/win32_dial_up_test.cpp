// Dial-up: Wine's remote access service has no entries and connects nothing, so its failure paths
// are tried for real, and the dial and hang-up logic against stand-in service functions.

#include "platform/win32_dial_up.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/win32_detached_thread.h"
#include "support/unique_handle.h"
#include "support/utf16.h"
#include "support/wide_text.h"
#include "support/win32_process.h"
#include "win32_handle_count.h"

namespace tockly {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(Win32DialUp, FailsWithoutLeavingAnythingOpenWhereThereIsNoEntry) {
    const RasFunctions ras = RasFunctions::System();
    const std::uint32_t handles = testing::OwnHandleCount();
    EXPECT_THAT(EnumeratePhoneBook(ras), IsEmpty());
    EXPECT_FALSE(DialEntry(ras, u"Tockly test entry"));
    EXPECT_FALSE(HangUpEntry(ras, u"Tockly test entry"));
    EXPECT_EQ(testing::OwnHandleCount(), handles);
}

// The stand-in service: what each call is given goes into a log, what it answers is set by the
// test. The functions are plain function pointers, so the state is the file's own.
struct StandIn {
    std::mutex mutex;
    std::vector<std::string> calls;
    DWORD getParamsResult = ERROR_SUCCESS;
    DWORD dialResult = ERROR_SUCCESS;
    HRASCONN dialConnection = nullptr;  // given to the caller also when the dial fails
    DWORD enumResult = ERROR_SUCCESS;
    std::vector<std::pair<std::wstring, HRASCONN>> connections;
    std::vector<HRASCONN> failingHangUps;
    std::vector<std::wstring> entries;

    void Add(std::string call) {
        std::lock_guard lock(mutex);
        calls.push_back(std::move(call));
    }
};
StandIn* standIn = nullptr;

std::string Narrow(const wchar_t* text) {
    return ToUtf8(FromWide(text));
}

std::string HandleText(HRASCONN connection) {
    return std::to_string(reinterpret_cast<std::uintptr_t>(connection));
}

DWORD WINAPI StandInEnumEntries(LPCWSTR, LPCWSTR phoneBook, LPRASENTRYNAMEW entries, LPDWORD bytes,
                                LPDWORD count) {
    standIn->Add("enumEntries " + std::to_string(*bytes / sizeof(RASENTRYNAMEW)) +
                 (phoneBook == nullptr ? " default phone book" : " other phone book"));
    const DWORD needed = static_cast<DWORD>(standIn->entries.size() * sizeof(RASENTRYNAMEW));
    if (entries[0].dwSize != sizeof(RASENTRYNAMEW)) {
        return ERROR_INVALID_SIZE;
    }
    if (*bytes < needed) {
        *bytes = needed;
        return ERROR_BUFFER_TOO_SMALL;
    }
    for (std::size_t i = 0; i < standIn->entries.size(); ++i) {
        wcscpy(entries[i].szEntryName, standIn->entries[i].c_str());
        entries[i].dwFlags = static_cast<DWORD>(i);
        wcscpy(entries[i].szPhonebookPath, L"C:\\rasphone.pbk");
    }
    *count = static_cast<DWORD>(standIn->entries.size());
    return ERROR_SUCCESS;
}

DWORD WINAPI StandInGetEntryDialParams(LPCWSTR phoneBook, LPRASDIALPARAMSW params, LPBOOL) {
    standIn->Add("getEntryDialParams " + Narrow(params->szEntryName) +
                 (phoneBook == nullptr ? "" : " other phone book") +
                 (params->dwSize == sizeof(RASDIALPARAMSW) ? "" : " wrong size"));
    wcscpy(params->szPassword, L"secret");
    return standIn->getParamsResult;
}

DWORD WINAPI StandInDial(LPRASDIALEXTENSIONS, LPCWSTR, LPRASDIALPARAMSW params, DWORD notifierType,
                         LPVOID notifier, LPHRASCONN connection) {
    standIn->Add("dial " + Narrow(params->szEntryName) +
                 (notifier == nullptr && notifierType == 0xFFFFFFFF ? " waiting" : " notified"));
    *connection = standIn->dialConnection;
    return standIn->dialResult;
}

DWORD WINAPI StandInEnumConnections(LPRASCONNW connections, LPDWORD bytes, LPDWORD count) {
    standIn->Add("enumConnections " + std::to_string(*bytes / sizeof(RASCONNW)));
    if (standIn->enumResult != ERROR_SUCCESS) {
        return standIn->enumResult;
    }
    for (std::size_t i = 0; i < standIn->connections.size(); ++i) {
        wcscpy(connections[i].szEntryName, standIn->connections[i].first.c_str());
        connections[i].hrasconn = standIn->connections[i].second;
    }
    *count = static_cast<DWORD>(standIn->connections.size());
    return ERROR_SUCCESS;
}

DWORD WINAPI StandInHangUp(HRASCONN connection) {
    standIn->Add("hangUp " + HandleText(connection));
    for (const HRASCONN failing : standIn->failingHangUps) {
        if (failing == connection) {
            return ERROR_INVALID_HANDLE;
        }
    }
    return ERROR_SUCCESS;
}

const RasFunctions kStandIns{StandInEnumEntries, StandInGetEntryDialParams,
                             StandInDial,        StandInEnumConnections,
                             StandInHangUp,      nullptr};

HRASCONN Connection(std::uintptr_t value) {
    return reinterpret_cast<HRASCONN>(value);
}

class DialUpLogicTest : public ::testing::Test {
protected:
    void SetUp() override { standIn = &state_; }
    void TearDown() override { standIn = nullptr; }

    std::vector<std::string> Calls() {
        std::lock_guard lock(state_.mutex);
        return state_.calls;
    }

    StandIn state_;
};

TEST_F(DialUpLogicTest, DialsWithTheStoredCredentialsAndWaitsForTheOutcome) {
    EXPECT_TRUE(DialEntry(kStandIns, u"Work"));
    EXPECT_THAT(Calls(), ElementsAre("getEntryDialParams Work", "dial Work waiting"));
}

TEST_F(DialUpLogicTest, AFailedDialHangsUpTheConnectionItWasGiven) {
    state_.dialResult = ERROR_PORT_NOT_AVAILABLE;
    state_.dialConnection = Connection(42);
    EXPECT_FALSE(DialEntry(kStandIns, u"Work"));
    state_.dialConnection = nullptr;
    EXPECT_FALSE(DialEntry(kStandIns, u"Work"));
    EXPECT_THAT(Calls(), ElementsAre("getEntryDialParams Work", "dial Work waiting", "hangUp 42",
                                     "getEntryDialParams Work", "dial Work waiting"));
}

TEST_F(DialUpLogicTest, DialsNothingWithoutStoredCredentialsAndCutsALongName) {
    state_.getParamsResult = ERROR_CANNOT_FIND_PHONEBOOK_ENTRY;
    EXPECT_FALSE(DialEntry(kStandIns, std::u16string(300, u'n')));
    EXPECT_THAT(Calls(), ElementsAre("getEntryDialParams " + std::string(RAS_MaxEntryName, 'n')));
}

TEST_F(DialUpLogicTest, HangsUpTheFirstConnectionOfTheEntryThatHangsUp) {
    state_.connections = {{L"Work", Connection(1)},
                          {L"work", Connection(2)},
                          {L"Home", Connection(3)},
                          {L"Work", Connection(4)},
                          {L"Work", Connection(5)}};
    state_.failingHangUps = {Connection(1)};
    EXPECT_TRUE(HangUpEntry(kStandIns, u"Work"));
    EXPECT_THAT(Calls(), ElementsAre("enumConnections 100", "hangUp 1", "hangUp 4"));
}

TEST_F(DialUpLogicTest, HangsUpNothingWithoutAConnectionOrWhenTheEnumerationFails) {
    state_.connections = {{L"Home", Connection(3)}};
    EXPECT_FALSE(HangUpEntry(kStandIns, u"Work"));
    state_.connections = {{L"Work", Connection(4)}};
    state_.enumResult = ERROR_BUFFER_TOO_SMALL;
    EXPECT_FALSE(HangUpEntry(kStandIns, u"Work"));
    EXPECT_THAT(Calls(), ElementsAre("enumConnections 100", "enumConnections 100"));
}

TEST_F(DialUpLogicTest, EnumeratesAsManyEntriesAsThePhoneBookHolds) {
    state_.entries = {L"Work", L"Home", L"Modem – ąę"};
    EXPECT_THAT(EnumeratePhoneBook(kStandIns),
                ElementsAre(PhoneBookEntry{u"Work", 0, u"C:\\rasphone.pbk"},
                            PhoneBookEntry{u"Home", 1, u"C:\\rasphone.pbk"},
                            PhoneBookEntry{u"Modem – ąę", 2, u"C:\\rasphone.pbk"}));
    EXPECT_THAT(Calls(), ElementsAre("enumEntries 1 default phone book",
                                     "enumEntries 4 default phone book"));
}

TEST_F(DialUpLogicTest, DialsAndHangsUpOnThreadsOfTheirOwn) {
    Win32DialUp dialUp(kStandIns);
    state_.connections = {{L"Work", Connection(7)}};
    dialUp.StartDial(u"Work");
    ASSERT_TRUE(testing::WaitUntil([&] { return Calls().size() == 2; }));
    dialUp.StartHangUp(u"Work");
    ASSERT_TRUE(testing::WaitUntil([&] { return Calls().size() == 4; }));
    EXPECT_THAT(Calls(), ElementsAre("getEntryDialParams Work", "dial Work waiting",
                                     "enumConnections 100", "hangUp 7"));
}

// The thread owns what its work holds and frees it when the work is over, and its handle is
// closed at once.
TEST(StartDetachedThread, FreesTheWorkAndKeepsNoHandle) {
    const KernelHandle freed(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    struct SignalWhenFreed {
        HANDLE event;
        ~SignalWhenFreed() { ::SetEvent(event); }
    };
    const std::uint32_t handles = testing::OwnHandleCount();
    {
        auto guard = std::make_shared<SignalWhenFreed>(freed.get());
        ASSERT_TRUE(StartDetachedThread([guard] {}));
    }
    ASSERT_EQ(::WaitForSingleObject(freed.get(), 5000), WAIT_OBJECT_0);
    EXPECT_EQ(testing::OwnHandleCount(), handles);
}

}  // namespace
}  // namespace tockly
