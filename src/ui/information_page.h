#pragma once
// The information page: which program and version run, released when, and the rights line.

#include <windows.h>

#include "toolkit/color_label.h"
#include "toolkit/static_text.h"
#include "toolkit/text_edit.h"
#include "ui/page.h"
#include "ui/page_controls.h"

namespace tockly {

inline constexpr char16_t kProgramVersion[] = u"1.0.0";
inline constexpr char16_t kReleaseDate[] = u"08.03.2016";

class InformationPage final : public Page {
public:
    explicit InformationPage(HWND owner);

    void Show(bool show) override { controls_.Show(show); }
    bool visible() const override { return controls_.visible(); }
    void Retranslate(const LanguageTexts& texts) override;
    bool HandleCommand(const PageCommand&) override { return false; }

    bfTextEdit& versionField() noexcept { return *version_; }

private:
    PageControls controls_;
    bfStaticText* name_;
    bfColorLabel* library_;
    bfStaticText* versionLabel_;
    bfTextEdit* version_;
    bfStaticText* releaseLabel_;
    bfTextEdit* release_;
    bfStaticText* rights_;
};

}  // namespace tockly
