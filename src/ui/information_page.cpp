#include "ui/information_page.h"

#include "ui/page_widgets.h"

namespace tockly {
namespace {

constexpr int kLeft = 250;
constexpr int kFieldLeft = 380;

bfTextEdit& MakeReadOnlyField(PageControls& controls, int y, std::u16string_view text) {
    auto& field = controls.Make<bfTextEdit>(kFieldLeft, y, kMainTile, kSilentControl, 130);
    field.SetText(text);
    field.SetEditable(false);
    return field;
}

}  // namespace

InformationPage::InformationPage(HWND owner) : controls_(owner) {
    name_ = &MakeTitle(controls_, kLeft, 12, 440);
    library_ =
        &controls_.Make<bfColorLabel>(kLeft, 56, kMainTile, kSilentControl, 440, LabelColor::Gray);
    library_->SetTextColors(RGB(245, 245, 245), RGB(150, 150, 150));
    versionLabel_ = &MakeLabel(controls_, kLeft, 103, 120);
    version_ = &MakeReadOnlyField(controls_, 101, kProgramVersion);
    releaseLabel_ = &MakeLabel(controls_, kLeft, 135, 120);
    release_ = &MakeReadOnlyField(controls_, 133, kReleaseDate);
    rights_ = &MakeLabel(controls_, kLeft, 214, 440);
    rights_->SetFontHeight(13);
}

void InformationPage::Retranslate(const LanguageTexts& texts) {
    name_->SetText(texts.Text(TextId::GENERAL_APPLICATION_NAME));
    library_->SetText(texts.Text(TextId::INFORMATIONS_LIBRARY));
    versionLabel_->SetText(texts.Text(TextId::INFORMATIONS_VERSION));
    releaseLabel_->SetText(texts.Text(TextId::INFORMATIONS_RELEASE_DATE));
    rights_->SetText(texts.Text(TextId::INFORMATIONS_COPY_RIGHTS));
}

}  // namespace tockly
