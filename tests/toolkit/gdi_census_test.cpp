// The census sees what it is there to see: an object left behind, a window DC or a menu not given
// back, and an object deleted twice.

#include "toolkit/gdi_census.h"

#include <gtest/gtest.h>

#include "widgets/menu_ids.h"

namespace tockly {
namespace {

using testing::CensusCounts;
using testing::GdiCensus;

TEST(GdiCensus, SeesLeftoversAndDoubleDeletes) {
    ::ReleaseDC(nullptr, ::GetDC(nullptr));  // the platform's own objects of a first screen DC
    const CensusCounts before = GdiCensus::Now();
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    HDC screen = ::GetDC(nullptr);
    HMENU menu =
        ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menu_id::kTextMenuResource));
    ASSERT_NE(menu, nullptr);
    const CensusCounts leaking = GdiCensus::Now();
    EXPECT_EQ(leaking.objects, before.objects + 1);
    EXPECT_EQ(leaking.processObjects, before.processObjects + 1);
    EXPECT_EQ(leaking.windowDcs, before.windowDcs + 1);
    EXPECT_EQ(leaking.menus, before.menus + 1);

    ::DestroyMenu(menu);
    ::ReleaseDC(nullptr, screen);
    ::DeleteObject(brush);
    ::DeleteObject(brush);
    CensusCounts after = GdiCensus::Now();
    EXPECT_EQ(after.strayDeletes, before.strayDeletes + 1);
    after.strayDeletes = before.strayDeletes;
    EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace tockly
