// The census sees what it is there to see: a GDI object or a menu left behind, and an object
// deleted twice.

#include "toolkit/gdi_census.h"

#include <gtest/gtest.h>

#include "toolkit/text_menu_ids.h"

namespace tockly {
namespace {

using testing::CensusCounts;
using testing::GdiCensus;

TEST(GdiCensus, SeesWhatIsLeftBehindAndWhatIsDeletedTwice) {
    const CensusCounts before = GdiCensus::Now();
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    HMENU menu =
        ::LoadMenuW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(menu_id::kTextMenuResource));
    const CensusCounts leaking = GdiCensus::Now();
    EXPECT_EQ(leaking.objects, before.objects + 1);
    EXPECT_EQ(leaking.processObjects, before.processObjects + 1);
    EXPECT_EQ(leaking.menus, before.menus + 1);

    ::DestroyMenu(menu);
    ::DeleteObject(brush);
    ::DeleteObject(brush);
    CensusCounts after = GdiCensus::Now();
    EXPECT_EQ(after.strayDeletes, before.strayDeletes + 1);
    after.strayDeletes = before.strayDeletes;
    EXPECT_EQ(after, before);
}

}  // namespace
}  // namespace tockly
