// The settings page with real clicks: "Execute after start" checked and confirmed writes the
// program's quoted path as the Run value in the real registry, unchecked and confirmed removes it.

#include "journey.h"
#include "support/unique_handle.h"

namespace tockly::journeys {
namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The Run value named Tockly, or nothing.
std::optional<std::wstring> RunValue() {
    RegistryKey key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, key.put()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    wchar_t data[2048] = {};
    DWORD size = sizeof(data);
    DWORD type = 0;
    if (::RegQueryValueExW(key.get(), L"Tockly", nullptr, &type, reinterpret_cast<BYTE*>(data),
                           &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return std::nullopt;
    }
    return std::wstring(data);
}

TEST(SettingsJourney, StartWithSystemOnAndOffWritesAndRemovesTheQuotedRunValue) {
    ForgetEverything();
    {
        RegistryKey key;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_WRITE, key.put()) == ERROR_SUCCESS) {
            ::RegDeleteValueW(key.get(), L"Tockly");
        }
    }
    Person person;
    Tockly tockly;
    ASSERT_TRUE(tockly.started());
    ASSERT_TRUE(person.ClickTrayIcon());
    ASSERT_NE(tockly.ShownMainWindow(), nullptr);
    // The check box as the page shows it, then OK; twice.
    const auto toggle = [&](const char* shot) {
        // A second try when the first click found the window on its way in or out.
        HWND box = nullptr;
        for (int attempt = 0; attempt < 2 && box == nullptr; ++attempt) {
            if (!::IsWindowVisible(MainWindowOf(tockly.id()))) {
                ASSERT_TRUE(person.ClickTrayIcon());
                ASSERT_NE(tockly.ShownMainWindow(), nullptr);
            }
            ASSERT_TRUE(person.ClickCentre(tockly.Control(L"Settings")));
            testing::WaitUntil(
                [&] {
                    box = FindVisibleControl(MainWindowOf(tockly.id()), L"Execute after start");
                    return box != nullptr;
                },
                std::chrono::seconds(5));
        }
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(person.Click(box, 8, 8));
        person.Shot(shot);
        ASSERT_TRUE(person.ClickCentre(tockly.Control(L"OK")));
    };
    toggle("settings-start-with-system-on");
    ASSERT_TRUE(testing::WaitUntil([] { return RunValue().has_value(); }))
        << "OK writes the Run value";
    EXPECT_EQ(*RunValue(), L"\"" + testing::TocklyExe() + L"\"");

    toggle("settings-start-with-system-off");
    EXPECT_TRUE(testing::WaitUntil([] { return !RunValue().has_value(); }))
        << "OK removes the Run value";
    ASSERT_TRUE(tockly.process().PostQuit());
    EXPECT_EQ(tockly.process().WaitForExit(), 0u);
}

}  // namespace
}  // namespace tockly::journeys
