#include "menu_capture.h"

#include <algorithm>
#include <string_view>

namespace tockly::gallery {
namespace {

// The visible popup menus of this thread, in the order they opened.
std::vector<HWND> OpenMenus() {
    std::vector<HWND> menus;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t name[16] = {};
            ::GetClassNameW(window, name, 16);
            if (std::wstring_view(name) == L"#32768" && ::IsWindowVisible(window)) {
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&menus));
    // The system lists the newest first.
    std::reverse(menus.begin(), menus.end());
    return menus;
}

}  // namespace

void PressMenuKeys(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    for (const WORD key : keys) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        inputs.push_back(input);
        input.ki.dwFlags = KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    if (!inputs.empty()) {
        ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    }
}

Canvas CaptureWithOpenMenus(HWND window) {
    std::vector<HWND> windows = OpenMenus();
    windows.insert(windows.begin(), window);
    RECT scene{};
    ::GetWindowRect(window, &scene);
    for (const HWND shown : windows) {
        RECT rect{};
        ::GetWindowRect(shown, &rect);
        ::UnionRect(&scene, &scene, &rect);
    }
    Canvas picture(scene.right - scene.left, scene.bottom - scene.top);
    for (const HWND shown : windows) {
        RECT rect{};
        ::GetWindowRect(shown, &rect);
        picture.Paste(Canvas::Capture(shown, true), rect.left - scene.left, rect.top - scene.top);
    }
    return picture;
}

}  // namespace tockly::gallery
