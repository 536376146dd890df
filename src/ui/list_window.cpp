#include "ui/list_window.h"

#include <algorithm>

#include "support/gdi_handles.h"
#include "ui/page_controls.h"

namespace tockly {
namespace {

using namespace list_geometry;

const FontSpec kRowFont{L"Tahoma", 15, 500, false};
constexpr COLORREF kRowText = RGB(255, 255, 255);
constexpr COLORREF kRowDimText = RGB(170, 170, 170);

}  // namespace

bfListWindow::bfListWindow(HWND parent)
    : bfAbstractWindow(parent, WS_CHILD | WS_CLIPCHILDREN, 0),
      tile_(LoadSkinFile(kMainTile)),
      selectedTile_(LoadSkinFile(kFrameTile)) {
    Resize(kWidth, kHeight);
    MessageMap& map = messages();
    map.Set(WM_PAINT, this, &bfListWindow::OnPaint);
    map.Set(WM_ERASEBKGND, [](UINT, WPARAM, LPARAM) -> LRESULT { return 1; });
    map.Set(WM_COMMAND, this, &bfListWindow::OnCommand);
    map.Set(WM_MOUSEWHEEL, this, &bfListWindow::OnWheel);
    for (int slot = 0; slot < kSlotCount; ++slot) {
        auto text = std::make_unique<bfStaticText>(window(), static_cast<WORD>(slot), kRowWidth,
                                                   kRowHeight);
        text->SetBackgroundBitmap(tile_);
        text->SetFont(kRowFont);
        text->SetTextColors(kRowText, kRowDimText);
        text->SetAlignment(HorizontalAlignment::Left, VerticalAlignment::Centre);
        slots_[slot] = std::move(text);
    }
    slotRows_.fill(-1);
    slotSelected_.fill(false);
    bfAbstractWindow::Show(true);
}

bfListWindow::~bfListWindow() {
    // The texts go before the window they live in.
    for (auto& slot : slots_) {
        slot.reset();
    }
}

LRESULT bfListWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DispatchMessageMap(message, wParam, lParam);
}

void bfListWindow::SetRows(std::vector<ProcessRow> rows) {
    rows_ = std::move(rows);
    choice_.Reset(rowCount());
    offset_ = 0;
    // Every text is given its row again, also one that shows the same index as before.
    slotRows_.fill(-1);
    Lay();
}

void bfListWindow::Move(int x, int y) {
    ::SetWindowPos(window(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void bfListWindow::ScrollTo(int offset) {
    offset = ClampListOffset(offset, rowCount());
    if (offset == offset_) {
        return;
    }
    offset_ = offset;
    Lay();
}

std::optional<std::uint32_t> bfListWindow::SelectedValue() const {
    const std::optional<int> chosen = choice_.Choose();
    if (!chosen) {
        return std::nullopt;
    }
    return rows_[*chosen].id;
}

bfStaticText* bfListWindow::ShownRow(int index) {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (slotRows_[slot] == index && index >= 0) {
            return slots_[slot].get();
        }
    }
    return nullptr;
}

int bfListWindow::FirstShownRow() const {
    return std::max(0, (offset_ - kFirstRowY) / kRowHeight);
}

void bfListWindow::Lay() {
    const int first = FirstShownRow();
    for (int slot = 0; slot < kSlotCount; ++slot) {
        bfStaticText& text = *slots_[slot];
        const int index = first + slot;
        if (index >= rowCount()) {
            slotRows_[slot] = -1;
            text.Show(false);
            continue;
        }
        if (slotRows_[slot] != index) {
            slotRows_[slot] = index;
            text.SetText(rows_[index].text);
        }
        const bool selected = index == choice_.selected();
        if (slotSelected_[slot] != selected) {
            slotSelected_[slot] = selected;
            text.SetBackgroundBitmap(selected ? selectedTile_ : tile_);
        }
        if (const int y = ListRowTop(index) - offset_; text.y() != y || !text.visible()) {
            text.Move(kRowX, y);
        }
        if (!text.visible()) {
            text.Show(true);
        }
    }
}

void bfListWindow::OnPaint() {
    PaintDc paint(window());
    const RECT client{0, 0, width(), height()};
    if (!FillTiled(paint.get(), client, tile_.get(), 0, 0)) {
        FillSolid(paint.get(), client, RGB(0x37, 0x37, 0x37));
    }
}

LRESULT bfListWindow::OnCommand(UINT, WPARAM wParam, LPARAM lParam) {
    const WORD slot = LOWORD(wParam);
    if (bfAbstractControl::FromCommand(lParam) == nullptr || slot >= kSlotCount) {
        return 0;
    }
    const ListChoice::Click click = choice_.ClickRow(slotRows_[slot]);
    switch (click.outcome) {
        case ListChoice::Outcome::Selected:
            Lay();
            break;
        case ListChoice::Outcome::Chosen:
            // Last: the parent may close the list and its owner delete it.
            ::SendMessageW(owner(), WM_COMMAND, MAKEWPARAM(kChooseCommand, 0), 0);
            break;
        case ListChoice::Outcome::Ignored:
            break;
    }
    return 0;
}

bool bfListWindow::OnWheel(const WheelInput& wheel) {
    ::SendMessageW(owner(), WM_COMMAND, MAKEWPARAM(kScrollCommand, 0), wheel.delta);
    return true;
}

}  // namespace tockly
