// Checks the shipped skin against the inventory: every bitmap exists as an RT_BITMAP resource of
// Tockly.exe or as a file beside it, with its size, 32 bits per pixel, premultiplied alpha and
// opaque tiles; the program icon has all its sizes; every menu resource has its ids and texts.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/win32_test_paths.h"

namespace {

struct InventoryEntry {
    std::string kind;
    std::string name;  // UTF-8
    int width = 0;
    int height = 0;
    std::vector<int> iconSizes;
};

std::wstring Widen(const std::string& utf8) {
    int length = ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

std::vector<InventoryEntry> ReadInventory() {
    const char* source = std::getenv("TOCKLY_SOURCE_DIR");
    std::ifstream file(std::string(source ? source : ".") + "/resources/skin/inventory.txt");
    std::vector<InventoryEntry> entries;
    std::string line;
    while (std::getline(file, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream columns(line);
        InventoryEntry entry;
        std::string size;
        if (!(columns >> entry.kind >> entry.name >> size)) {
            continue;
        }
        if (entry.kind == "icon") {
            std::istringstream sizes(size);
            for (std::string s; std::getline(sizes, s, ',');) {
                entry.iconSizes.push_back(std::stoi(s));
            }
        } else {
            entry.width = std::stoi(size.substr(0, size.find('x')));
            entry.height = std::stoi(size.substr(size.find('x') + 1));
        }
        entries.push_back(entry);
    }
    return entries;
}

bool IsTile(const std::string& name) {
    return name.find("bkg") != std::string::npos || name.find("Bkg") != std::string::npos ||
           name == "Tray_Separator";
}

// Tockly.exe as a resource container only: nothing of it runs.
class SkinResources : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        exe_ = ::LoadLibraryExW(tockly::testing::TocklyExe().c_str(), nullptr,
                                LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        inventory_ = ReadInventory();
    }
    static void TearDownTestSuite() {
        if (exe_) {
            ::FreeLibrary(exe_);
        }
    }

    // Size, depth, premultiplication and (for tiles) opacity of a loaded DIB section.
    static void ExpectSkinBitmap(HBITMAP bitmap, const InventoryEntry& entry) {
        ASSERT_NE(bitmap, nullptr) << entry.name << " does not load";
        DIBSECTION dib{};
        ASSERT_EQ(::GetObjectW(bitmap, sizeof(dib), &dib), static_cast<int>(sizeof(dib)))
            << entry.name << " is not a DIB section";
        EXPECT_EQ(dib.dsBm.bmWidth, entry.width) << entry.name;
        EXPECT_EQ(std::abs(dib.dsBm.bmHeight), entry.height) << entry.name;
        EXPECT_EQ(dib.dsBm.bmBitsPixel, 32) << entry.name;
        ASSERT_NE(dib.dsBm.bmBits, nullptr);
        const auto* pixel = static_cast<const std::uint8_t*>(dib.dsBm.bmBits);
        int notPremultiplied = 0;
        int translucent = 0;
        for (int i = 0; i < entry.width * entry.height; ++i, pixel += 4) {
            std::uint8_t alpha = pixel[3];
            if (pixel[0] > alpha || pixel[1] > alpha || pixel[2] > alpha) {
                ++notPremultiplied;
            }
            if (alpha != 255) {
                ++translucent;
            }
        }
        EXPECT_EQ(notPremultiplied, 0) << entry.name << " has colour above its alpha";
        if (IsTile(entry.name)) {
            EXPECT_EQ(translucent, 0) << entry.name << " is a tile and must be opaque";
        }
    }

    static inline HMODULE exe_ = nullptr;
    static inline std::vector<InventoryEntry> inventory_;
};

TEST_F(SkinResources, InventoryIsReadable) {
    ASSERT_NE(exe_, nullptr) << "Tockly.exe cannot be opened";
    EXPECT_GT(inventory_.size(), 250u);
}

TEST_F(SkinResources, EveryResourceBitmapIsInTheExe) {
    int checked = 0;
    for (const InventoryEntry& entry : inventory_) {
        if (entry.kind != "res") {
            continue;
        }
        std::wstring name = Widen(entry.name);
        // The resource itself: a 32 bpp BI_RGB DIB, as LoadImageW hands it to AlphaBlend.
        HRSRC found = ::FindResourceW(exe_, name.c_str(), MAKEINTRESOURCEW(2));
        ASSERT_NE(found, nullptr) << entry.name << " is not an RT_BITMAP resource";
        const auto* header =
            static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(exe_, found)));
        ASSERT_NE(header, nullptr);
        EXPECT_EQ(header->biBitCount, 32) << entry.name;
        EXPECT_EQ(header->biCompression, static_cast<DWORD>(BI_RGB)) << entry.name;
        HBITMAP bitmap = static_cast<HBITMAP>(
            ::LoadImageW(exe_, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ExpectSkinBitmap(bitmap, entry);
        ::DeleteObject(bitmap);
        ++checked;
    }
    EXPECT_GT(checked, 100);
}

TEST_F(SkinResources, ResourceNamesIgnoreCaseAsTheProgramSpellsThem) {
    // The program asks for mixed-case names; one is spelt two ways for two menus.
    for (const wchar_t* name :
         {L"Button_Normal_Left", L"BUTTON_NORMAL_LEFT", L"Traymenu_Popup_Exit_Icon",
          L"TRAYMENU_POPUP_EXIT_ICON", L"Language_ComboBox_Français"}) {
        HANDLE image = ::LoadImageW(exe_, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
        EXPECT_NE(image, nullptr) << "missing: " << static_cast<int>(wcslen(name));
        ::DeleteObject(image);
    }
}

TEST_F(SkinResources, EveryFileIsBesideTheExe) {
    int checked = 0;
    for (const InventoryEntry& entry : inventory_) {
        if (entry.kind != "file") {
            continue;
        }
        std::wstring path = tockly::testing::BinaryFolder() + L"\\" + Widen(entry.name);
        for (wchar_t& c : path) {
            c = c == L'/' ? L'\\' : c;
        }
        HBITMAP bitmap = static_cast<HBITMAP>(::LoadImageW(
            nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
        ExpectSkinBitmap(bitmap, entry);
        ::DeleteObject(bitmap);
        ++checked;
    }
    EXPECT_GT(checked, 100);
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
        std::wstring name = Widen(entry.name);
        HRSRC group = ::FindResourceW(exe_, name.c_str(), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
        ASSERT_NE(group, nullptr) << entry.name;
        const auto* header = static_cast<const WORD*>(::LockResource(::LoadResource(exe_, group)));
        ASSERT_NE(header, nullptr);
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
            BITMAP colour{};
            ::GetObjectW(info.hbmColor, sizeof(colour), &colour);
            EXPECT_EQ(colour.bmWidth, size);
            ::DeleteObject(info.hbmColor);
            ::DeleteObject(info.hbmMask);
            ::DestroyIcon(icon);
        }
    }
}

// A menu as lines: "id text" for items, "-" for separators, "[text" ... "]" around submenus.
void Flatten(HMENU menu, std::vector<std::wstring>& lines) {
    int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = 127;
        ASSERT_TRUE(::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info));
        if (info.fType & MFT_SEPARATOR) {
            lines.push_back(L"-");
        } else if (info.hSubMenu) {
            lines.push_back(L"[" + std::wstring(text));
            Flatten(info.hSubMenu, lines);
            lines.push_back(L"]");
        } else {
            lines.push_back(std::to_wstring(info.wID) + L" " + text);
        }
    }
}

std::vector<std::wstring> MenuLines(HMODULE module, const wchar_t* name) {
    std::vector<std::wstring> lines;
    HMENU menu = ::LoadMenuW(module, name);
    if (!menu) {
        return {L"(missing)"};
    }
    Flatten(menu, lines);
    ::DestroyMenu(menu);
    return lines;
}

std::vector<std::wstring> Join(std::initializer_list<std::vector<std::wstring>> parts) {
    std::vector<std::wstring> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const std::vector<std::wstring> kTransparency = {
    L"[Transparency", L"103 90%", L"104 80%", L"105 70%", L"106 60%", L"107 50%",
    L"108 40%",       L"109 30%", L"110 20%", L"111 10%", L"112 0%",  L"]"};
const std::vector<std::wstring> kHideRemove = {L"116 Hide", L"117 Remove"};
const std::vector<std::wstring> kTopAndBar = {L"100 Always on top", L"101 Show progress bar"};

TEST_F(SkinResources, WidgetMenusHaveTheirItems) {
    EXPECT_EQ(MenuLines(exe_, L"Universal_PopupMenu"),
              Join({kTopAndBar, kTransparency, {L"-"}, kHideRemove}));
    EXPECT_EQ(MenuLines(exe_, L"PrintScreen_PopupMenu"), Join({kTopAndBar,
                                                               kTransparency,
                                                               {L"-"},
                                                               {L"[Repeat every",
                                                                L"118 15 minutes",
                                                                L"119 5 minutes",
                                                                L"120 1 minute",
                                                                L"121 30 seconds",
                                                                L"122 15 seconds",
                                                                L"123 5 seconds",
                                                                L"]",
                                                                L"[Execute for",
                                                                L"124 1 hour",
                                                                L"125 30 minutes",
                                                                L"126 15 minutes",
                                                                L"127 5 minutes",
                                                                L"128 1 minute",
                                                                L"]",
                                                                L"[File format",
                                                                L"129 png",
                                                                L"130 jpg",
                                                                L"131 bmp",
                                                                L"]"},
                                                               kHideRemove}));
    EXPECT_EQ(
        MenuLines(exe_, L"Networks_PopupMenu"),
        Join({kTopAndBar, kTransparency, {L"-", L"132 Connect", L"133 Disconnect"}, kHideRemove}));
    EXPECT_EQ(MenuLines(exe_, L"PowerManagement_PopupMenu"),
              Join({kTopAndBar, kTransparency, {L"-", L"134 Force"}, kHideRemove}));
    EXPECT_EQ(MenuLines(exe_, L"StopWatch_PopupMenu"),
              Join({{L"100 Always on top"},
                    kTransparency,
                    {L"-", L"135 Load times list", L"136 Save times list"},
                    kHideRemove}));
    EXPECT_EQ(MenuLines(exe_, L"StickyNote_PopupMenu"),
              Join({{L"100 Always on top"},
                    kTransparency,
                    {L"-", L"[Change theme style", L"113 Dark theme", L"114 Light theme",
                     L"115 Yellow theme", L"]"},
                    kHideRemove}));
    EXPECT_EQ(MenuLines(exe_, L"Message_Popupmenu"),
              Join({{L"100 Always on top"}, kTransparency, {L"-", L"116 Hide"}}));
}

TEST_F(SkinResources, TrayMenuReachesEveryPage) {
    EXPECT_EQ(MenuLines(exe_, L"Tray_Menu"),
              (std::vector<std::wstring>{L"20000 Set default position",
                                         L"20001 Show all widgets",
                                         L"20002 Hide all widgets",
                                         L"-",
                                         L"20003 Settings",
                                         L"20004 Informations",
                                         L"-",
                                         L"[Quick tasks",
                                         L"20007 Quick sticky note",
                                         L"20008 Quick stopwatch",
                                         L"]",
                                         L"[Tasks",
                                         L"20005 Applications",
                                         L"20010 Print screens",
                                         L"20011 Internet connections",
                                         L"20012 Power management",
                                         L"]",
                                         L"20013 Sticky notes",
                                         L"[Counting",
                                         L"20015 Timer",
                                         L"20016 Counter",
                                         L"20017 Stopwatch",
                                         L"]",
                                         L"-",
                                         L"20018 Feedback",
                                         L"20019 Exit"}));
}

TEST_F(SkinResources, TextMenuIsSubmenuZeroOfResource200) {
    EXPECT_EQ(MenuLines(exe_, MAKEINTRESOURCEW(200)),
              (std::vector<std::wstring>{L"[", L"201 Cut", L"202 Copy", L"203 Paste", L"204 Delete",
                                         L"205 Select All", L"]"}));
}

}  // namespace
