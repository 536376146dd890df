#include "platform/win32_autostart_registry.h"

#include <windows.h>

#include <string>

#include "support/unique_handle.h"
#include "support/wide_text.h"

namespace tockly {
namespace {
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
}

bool Win32AutostartRegistry::SetRunValue(std::u16string_view name, std::u16string_view data) {
    RegistryKey key;
    const LONG created = ::RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_WRITE,
                                           nullptr, key.put(), nullptr);
    if (created != ERROR_SUCCESS && created != ERROR_ALREADY_EXISTS) {
        return false;
    }
    const std::wstring value_name = ToWide(name);
    const std::wstring value = ToWide(data);
    // REG_SZ data counts its terminating zero.
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(key.get(), value_name.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(value.c_str()), bytes) == ERROR_SUCCESS;
}

bool Win32AutostartRegistry::DeleteRunValue(std::u16string_view name) {
    RegistryKey key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_WRITE, key.put()) != ERROR_SUCCESS) {
        return false;
    }
    return ::RegDeleteValueW(key.get(), ToWide(name).c_str()) == ERROR_SUCCESS;
}

}  // namespace tockly
