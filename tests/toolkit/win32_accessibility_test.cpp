// What a screen reader learns of the skinned controls through the platform's accessibility
// interface (IAccessible from AccessibleObjectFromWindow): each control's name, role, state and
// value.

#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <string>

#include "toolkit/button.h"
#include "toolkit/check_box.h"
#include "toolkit/combo_box.h"
#include "toolkit/double_button.h"
#include "toolkit/spin_box.h"
#include "toolkit/static_text.h"
#include "toolkit/test_parent.h"
#include "toolkit/text_edit.h"

namespace tockly {
namespace {

using testing::TestParent;

// IAccessible's id. mingw's import library takes oleacc's IID_IAccessible export for a function,
// so its address is a jump, not the id.
constexpr GUID kAccessibleId = {
    0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

struct ComApartment {
    ComApartment() { ::CoInitialize(nullptr); }
    ~ComApartment() { ::CoUninitialize(); }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
};

// What the accessibility interface says of a window's client area.
struct Accessible {
    bool found = false;
    std::wstring name;
    long role = 0;
    long state = 0;
    std::wstring value;
    std::wstring defaultAction;
};

std::wstring TakeString(BSTR text) {
    std::wstring taken = text != nullptr ? std::wstring(text, ::SysStringLen(text)) : L"";
    ::SysFreeString(text);
    return taken;
}

Accessible Read(HWND window) {
    Accessible read;
    IAccessible* object = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kAccessibleId,
                                            reinterpret_cast<void**>(&object))) ||
        object == nullptr) {
        return read;
    }
    read.found = true;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR text = nullptr;
    if (object->get_accName(self, &text) == S_OK) {
        read.name = TakeString(text);
    }
    VARIANT role{};
    if (object->get_accRole(self, &role) == S_OK && role.vt == VT_I4) {
        read.role = role.lVal;
    }
    VARIANT state{};
    if (object->get_accState(self, &state) == S_OK && state.vt == VT_I4) {
        read.state = state.lVal;
    }
    text = nullptr;
    if (object->get_accValue(self, &text) == S_OK) {
        read.value = TakeString(text);
    }
    text = nullptr;
    if (object->get_accDefaultAction(self, &text) == S_OK) {
        read.defaultAction = TakeString(text);
    }
    object->Release();
    return read;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    for (const wchar_t c : text) {
        narrow += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return narrow;
}

std::string Describe(const Accessible& read) {
    wchar_t role[64] = {};
    ::GetRoleTextW(static_cast<DWORD>(read.role), role, 64);
    return "name \"" + Narrow(read.name) + "\", role " + Narrow(role) + ", state " +
           std::to_string(read.state) + ", value \"" + Narrow(read.value) + "\", action \"" +
           Narrow(read.defaultAction) + "\"";
}

class AccessibilityTest : public ::testing::Test {
protected:
    Accessible Of(bfAbstractControl& control) {
        control.Show(true);
        const Accessible read = Read(control.window());
        EXPECT_TRUE(read.found);
        std::cout << "  " << Describe(read) << "\n";
        return read;
    }

    ComApartment apartment;
    TestParent parent{600, 300};
};

// Under Wine the platform gives every control of a class it does not know the role "client" and
// takes its name from the window text; the role is printed for the record.
TEST_F(AccessibilityTest, ButtonsMarksAndLabelsAreNamedByTheirCaptions) {
    bfButton button(parent.window(), 1, 100);
    button.SetText(L"Create task");
    EXPECT_EQ(Of(button).name, L"Create task");

    bfCheckBox check(parent.window(), 2, 200);
    check.SetText(L"Remove task after end");
    check.SetChecked(true);
    EXPECT_EQ(Of(check).name, L"Remove task after end");

    bfRadioButton radio(parent.window(), 3, 200);
    radio.SetText(L"Once");
    EXPECT_EQ(Of(radio).name, L"Once");
    radio.SetEnabled(false);
    EXPECT_TRUE(Of(radio).state & STATE_SYSTEM_UNAVAILABLE);

    bfStaticText label(parent.window(), 4, 100, 20);
    label.SetText(L"Year");
    EXPECT_EQ(Of(label).name, L"Year");

    bfDoubleButton amPm(parent.window(), 5, 40);
    amPm.SetCaptions(L"AM", L"PM");
    EXPECT_EQ(Of(amPm).name, L"AM\tPM");
}

// A field's window text is its content, as a platform edit's is: that is what its name says.
TEST_F(AccessibilityTest, FieldsAreNamedByTheirContent) {
    bfSpinBox year(parent.window(), 1, 60);
    year.SetRange(2000, 2100);
    year.SetValue(2025);
    EXPECT_EQ(Of(year).name, L"2025");

    bfTextEdit title(parent.window(), 2, 150);
    title.SetText(L"Tea");
    EXPECT_EQ(Of(title).name, L"Tea");

    bfComboBox sound(parent.window(), 3);
    sound.AddItem(u"Bell");
    sound.AddItem(u"Gong");
    sound.Select(1);
    EXPECT_EQ(Of(sound).name, L"Gong");
}

}  // namespace
}  // namespace tockly
