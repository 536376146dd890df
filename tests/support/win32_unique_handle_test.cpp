// The owners of Win32 handles: a handle handed back through an out parameter is owned from the
// call on, and put() frees what the owner held before.

#include "support/unique_handle.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace tockly {
namespace {

bool IsOpen(HANDLE handle) {
    DWORD flags = 0;
    return ::GetHandleInformation(handle, &flags) != 0;
}

TEST(UniqueHandle, PutFreesTheHandleHeldAndTheCallWritesStraightIntoTheOwner) {
    KernelHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    ASSERT_TRUE(event);
    const HANDLE held = event.get();
    HANDLE* slot = event.put();
    EXPECT_EQ(*slot, nullptr);
    EXPECT_FALSE(IsOpen(held)) << "freed before the slot is handed out";

    HKEY opened = nullptr;
    {
        RegistryKey key;
        ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software", 0, KEY_READ, key.put()),
                  ERROR_SUCCESS);
        opened = key.get();
        ASSERT_NE(opened, nullptr);
        EXPECT_EQ(::RegQueryInfoKeyW(opened, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                     nullptr, nullptr, nullptr, nullptr, nullptr),
                  ERROR_SUCCESS);
    }
    EXPECT_NE(::RegQueryInfoKeyW(opened, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 nullptr, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS)
        << "closed with its owner";
}

}  // namespace
}  // namespace tockly
