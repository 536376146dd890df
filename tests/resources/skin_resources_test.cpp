// Checks the shipped skin against the inventory: every bitmap exists as an RT_BITMAP resource of
// Tockly.exe or as a file beside it, with its size, 32 bits per pixel, premultiplied alpha and
// opaque tiles; the program icon has all its sizes; the menus have the ids and the places the
// program relies on (their texts come from the language table).

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin_inventory.h"
#include "support/gdi_handles.h"
#include "support/utf16.h"
#include "support/wide_text.h"
#include "support/win32_test_paths.h"

namespace tockly {
namespace {

using testing::InventoryEntry;

// Size, depth, premultiplication and (for tiles) opacity of a loaded DIB section.
void ExpectSkinBitmap(HBITMAP bitmap, const InventoryEntry& entry) {
    DIBSECTION dib{};
    ASSERT_EQ(::GetObjectW(bitmap, sizeof(dib), &dib), static_cast<int>(sizeof(dib)))
        << "not a DIB section";
    EXPECT_EQ(dib.dsBm.bmWidth, entry.width);
    EXPECT_EQ(std::abs(dib.dsBm.bmHeight), entry.height);
    ASSERT_EQ(dib.dsBm.bmBitsPixel, 32);
    const auto* pixel = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
    const bool tile = entry.name.find("bkg") != std::string::npos ||
                      entry.name.find("Bkg") != std::string::npos || entry.name == "Tray_Separator";
    for (int i = 0; i < entry.width * entry.height; ++i, pixel += 4) {
        ASSERT_TRUE(pixel[0] <= pixel[3] && pixel[1] <= pixel[3] && pixel[2] <= pixel[3])
            << "colour above alpha at pixel " << i;
        ASSERT_TRUE(!tile || pixel[3] == 255) << "a tile must be opaque";
    }
}

// A menu's ids in order: "-" for a separator, "[...]" around a submenu.
std::string Shape(HMENU menu) {
    std::string shape;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE;
        ::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        shape += i == 0 ? "" : " ";
        if (info.fType & MFT_SEPARATOR) {
            shape += "-";
        } else if (info.hSubMenu) {
            shape.append("[").append(Shape(info.hSubMenu)).append("]");
        } else {
            shape += std::to_string(info.wID);
        }
    }
    return shape;
}

// Tockly.exe as a resource container only: nothing of it runs.
class SkinResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        exe_ = ::LoadLibraryExW(testing::TocklyExe().c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    }
    static void TearDownTestSuite() { ::FreeLibrary(exe_); }
    void SetUp() override { ASSERT_NE(exe_, nullptr) << "Tockly.exe cannot be opened"; }

    static std::string MenuShape(const wchar_t* name) {
        const UniqueMenu menu(::LoadMenuW(exe_, name));
        return menu ? Shape(menu.get()) : "(missing)";
    }

    static inline HMODULE exe_ = nullptr;
    const std::vector<InventoryEntry> inventory_ = testing::ReadInventory();
};

TEST_F(SkinResources, EveryBitmapIsInTheExeOrBesideIt) {
    int checked = 0;
    for (const InventoryEntry& entry : inventory_) {
        SCOPED_TRACE(entry.name);
        std::wstring name = ToWide(FromUtf8(entry.name));
        UniqueBitmap bitmap;
        if (entry.kind == "res") {
            // The resource itself: a 32 bpp BI_RGB DIB, as LoadImageW hands it to AlphaBlend.
            const HRSRC found = ::FindResourceW(exe_, name.c_str(), RT_BITMAP);
            ASSERT_NE(found, nullptr) << "not an RT_BITMAP resource";
            const auto* header =
                static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(exe_, found)));
            EXPECT_EQ(header->biBitCount, 32);
            EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB));
            bitmap = UniqueBitmap(static_cast<HBITMAP>(
                ::LoadImageW(exe_, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        } else if (entry.kind == "file") {
            for (wchar_t& c : name) {
                c = c == L'/' ? L'\\' : c;
            }
            bitmap = UniqueBitmap(static_cast<HBITMAP>(
                ::LoadImageW(nullptr, (testing::BinaryFolder() + L"\\" + name).c_str(),
                             IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
        } else {
            continue;
        }
        ASSERT_TRUE(bitmap) << "does not load";
        ExpectSkinBitmap(bitmap.get(), entry);
        ++checked;
    }
    EXPECT_GT(checked, 250);
}

TEST_F(SkinResources, ResourceNamesIgnoreCaseAsTheProgramSpellsThem) {
    // The program asks for mixed-case names; one is spelt two ways for two menus.
    for (const wchar_t* name :
         {L"BUTTON_NORMAL_LEFT", L"TRAYMENU_POPUP_EXIT_ICON", L"Language_ComboBox_Français"}) {
        const UniqueBitmap image(static_cast<HBITMAP>(
            ::LoadImageW(exe_, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        EXPECT_TRUE(image) << ToUtf8(FromWide(name));
    }
}

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

TEST_F(SkinResources, ProgramIconHasEverySize) {
    for (const InventoryEntry& entry : inventory_) {
        if (entry.kind != "icon") {
            continue;
        }
        const std::wstring name = ToWide(FromUtf8(entry.name));
        const HRSRC group = ::FindResourceW(exe_, name.c_str(), RT_GROUP_ICON);
        ASSERT_NE(group, nullptr) << entry.name;
        const auto* header = static_cast<const WORD*>(::LockResource(::LoadResource(exe_, group)));
        const auto* icons = reinterpret_cast<const GroupIconEntry*>(header + 3);
        std::vector<int> sizes;
        for (WORD i = 0; i < header[2]; ++i) {
            sizes.push_back(icons[i].width == 0 ? 256 : icons[i].width);
            EXPECT_EQ(icons[i].bitCount, 32);
        }
        EXPECT_EQ(sizes, entry.iconSizes);
        // The tray loads it at 16 x 16 and gets that frame, not a scaled one.
        for (int size : entry.iconSizes) {
            HICON icon =
                static_cast<HICON>(::LoadImageW(exe_, name.c_str(), IMAGE_ICON, size, size, 0));
            ASSERT_NE(icon, nullptr) << size;
            ICONINFO info{};
            ASSERT_TRUE(::GetIconInfo(icon, &info));
            const UniqueBitmap colour(info.hbmColor);
            const UniqueBitmap mask(info.hbmMask);
            BITMAP bits{};
            ::GetObjectW(colour.get(), sizeof(bits), &bits);
            EXPECT_EQ(bits.bmWidth, size);
            ::DestroyIcon(icon);
        }
    }
}

TEST_F(SkinResources, MenusHaveTheIdsTheProgramAnswers) {
    // Widget menus keep their items at the top level, so that icons can be attached by place.
    const std::string common = "100 101 [103 104 105 106 107 108 109 110 111 112] -";
    const std::string onTopOnly = "100 [103 104 105 106 107 108 109 110 111 112] -";
    EXPECT_EQ(MenuShape(L"Universal_PopupMenu"), common + " 116 117");
    EXPECT_EQ(MenuShape(L"PrintScreen_PopupMenu"),
              common + " [118 119 120 121 122 123] [124 125 126 127 128] [129 130 131] 116 117");
    EXPECT_EQ(MenuShape(L"Networks_PopupMenu"), common + " 132 133 116 117");
    EXPECT_EQ(MenuShape(L"PowerManagement_PopupMenu"), common + " 134 116 117");
    EXPECT_EQ(MenuShape(L"StopWatch_PopupMenu"), onTopOnly + " 135 136 116 117");
    EXPECT_EQ(MenuShape(L"StickyNote_PopupMenu"), onTopOnly + " [113 114 115] 116 117");
    EXPECT_EQ(MenuShape(L"Message_Popupmenu"), onTopOnly + " 116");
    EXPECT_EQ(MenuShape(L"Tray_Menu"),
              "20000 20001 20002 - 20003 20004 - [20007 20008] [20005 20010 20011 20012] 20013 "
              "[20015 20016 20017] - 20018 20019");
    // The text box's menu is submenu 0 of resource 200.
    EXPECT_EQ(MenuShape(MAKEINTRESOURCEW(200)), "[201 202 203 204 205]");
}

}  // namespace
}  // namespace tockly
