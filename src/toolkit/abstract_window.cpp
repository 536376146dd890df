#include "toolkit/abstract_window.h"

#include <stdexcept>

namespace tockly {
namespace {

void RegisterWindowClassOnce(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.hInstance = instance;
    windowClass.hIcon = ::LoadIconW(instance, L"App_Icon");
    windowClass.hIconSm = ::LoadIconW(instance, L"App_Icon");
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = bfAbstractWindow::kClassName;
    WindowRouter<bfAbstractWindow>::RegisterClassOnce(
        windowClass, "bfAbstractWindow class cannot be registered");
}

}  // namespace

bfAbstractWindow::bfAbstractWindow(HWND owner, DWORD style, DWORD extendedStyle)
    : owner_(owner), instance_(::GetModuleHandleW(nullptr)) {
    RegisterWindowClassOnce(instance_);
    window_ = ::CreateWindowExW(extendedStyle, kClassName, L"", style, 0, 0, 0, 0, owner, nullptr,
                                instance_, nullptr);
    if (window_ == nullptr) {
        throw std::runtime_error("bfAbstractWindow Window cannot be created");
    }
    Router::Registry().Insert(window_, this);
}

bfAbstractWindow::~bfAbstractWindow() {
    if (windowDestroyed_) {
        return;
    }
    CheckOwnThread(window_, "bfAbstractWindow destruction");
    messages_.Clear();
    // Nothing else destroys a window whose object goes: without this every widget removed by the
    // user would leave its window behind.
    Router::DestroyWindowOf(window_, "bfAbstractWindow object doesn't exist");
}

bfAbstractWindow* bfAbstractWindow::FromHandle(HWND window) noexcept {
    return Router::Registry().Find(window);
}

void bfAbstractWindow::Show(bool show) {
    if (!CheckOwnThread(window_, "bfAbstractWindow::Show")) {
        return;
    }
    ::ShowWindow(window_, show ? SW_SHOW : SW_HIDE);
    shown_ = show;
}

bool bfAbstractWindow::Resize(int width, int height) {
    if (!CheckOwnThread(window_, "bfAbstractWindow::Resize")) {
        return false;
    }
    width_ = width;
    height_ = height;
    return ::SetWindowPos(window_, nullptr, 0, 0, width, height,
                          SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
}

bool bfAbstractWindow::SetTopmost(HWND insertAfter) {
    if (!CheckOwnThread(window_, "bfAbstractWindow::SetTopmost")) {
        return false;
    }
    const bool ok =
        ::SetWindowPos(window_, insertAfter, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE) != FALSE;
    topmost_ = insertAfter == HWND_TOPMOST;
    return ok;
}

LRESULT bfAbstractWindow::DispatchMessageMap(UINT message, WPARAM wParam, LPARAM lParam) {
    return messages_.Dispatch(window_, message, wParam, lParam);
}

}  // namespace tockly
