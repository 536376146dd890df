#include "ui/pages/end_option_boxes.h"

#include "ui/pages/form_boxes.h"

namespace tockly {
namespace {

constexpr int kLeft = 4;
constexpr int kFieldWidth = ScrollingForm::kContentWidth - kLeft;
constexpr int kBrowseWidth = 34;
constexpr int kMessageHeight = 64;
constexpr COLORREF kMessageBackground = RGB(0x2b, 0x2b, 0x2b);
constexpr COLORREF kMessageText = RGB(235, 235, 235);

}  // namespace

FileTypeFilter SoundFileFilter() {
    return {u"Executable Files (*.wav)", u"*.wav"};
}

EndOptionBoxes::EndOptionBoxes(ScrollingForm& form, const EndOptionIds& ids)
    : form_(form),
      showMessage_(&MakeMark<bfCheckBox>(form, ids.showMessage)),
      message_(&form.Make<bfTextBox>(0, 0, static_cast<WORD>(0), kFieldWidth, kMessageHeight)),
      playSound_(&MakeMark<bfCheckBox>(form, ids.playSound)),
      soundFile_(
          &form.Make<bfTextEdit>(0, 0, static_cast<WORD>(0), kFieldWidth - kBrowseWidth - 4)),
      browse_(&form.Make<bfButton>(0, 0, ids.browse, kBrowseWidth)),
      once_(&MakeMark<bfRadioButton>(form, ids.once, kFieldWidth / 2 - 4)),
      multipleTimes_(&MakeMark<bfRadioButton>(form, ids.multipleTimes, kFieldWidth / 2)) {
    message_->SetBackgroundColor(kMessageBackground);
    message_->SetTextColor(kMessageText);
    browse_->SetText(std::wstring_view(L"..."));
}

std::vector<FormRow> EndOptionBoxes::Rows() const {
    return {{20, {{showMessage_, kLeft}}},
            {kMessageHeight, {{message_, kLeft}}, messageShown_},
            {20, {{playSound_, kLeft}}},
            {soundFile_->height(),
             {{soundFile_, kLeft}, {browse_, kLeft + kFieldWidth - kBrowseWidth}}},
            {20, {{once_, kLeft}, {multipleTimes_, kLeft + kFieldWidth / 2}}}};
}

void EndOptionBoxes::Show(const EndOptions& options) {
    ShowChecked(*showMessage_, options.showMessage());
    messageShown_ = options.messageTextShown();
    if (message_->Text() != options.messageText()) {
        message_->SetText(options.messageText());
    }
    ShowChecked(*playSound_, options.playSound());
    ShowText(*soundFile_, options.soundFile(), options.soundFileEnabled());
    if (browse_->enabled() != options.browseEnabled()) {
        browse_->SetEnabled(options.browseEnabled());
    }
    ShowChecked(*once_, options.playSound() && options.once(), options.onceEnabled());
    ShowChecked(*multipleTimes_, options.playSound() && !options.once(),
                options.multipleTimesEnabled());
}

bool EndOptionBoxes::Take(const bfAbstractControl* control, int code, EndOptions& options) const {
    if (control == showMessage_) {
        options.SetShowMessage(showMessage_->checked());
    } else if (control == message_) {
        if (code == bfTextBox::kContentChanged) {
            options.SetMessageText(message_->Text());
        }
    } else if (control == playSound_) {
        options.SetPlaySound(playSound_->checked());
    } else if (control == soundFile_) {
        options.SetSoundFile(soundFile_->Text());
    } else if (control == once_) {
        options.ChooseOnce();
    } else if (control == multipleTimes_) {
        options.ChooseMultipleTimes();
    } else {
        return false;
    }
    return true;
}

std::vector<bfAbstractControl*> EndOptionBoxes::Controls() const {
    return {showMessage_, message_, playSound_, soundFile_, once_, multipleTimes_};
}

void EndOptionBoxes::Retranslate(const LanguageTexts& texts, const EndOptionTexts& ids) {
    showMessage_->SetText(texts.Text(ids.showMessage));
    playSound_->SetText(texts.Text(ids.playSound));
    once_->SetText(texts.Text(ids.once));
    multipleTimes_->SetText(texts.Text(ids.multipleTimes));
}

RECT EndOptionBoxes::SoundArea() const {
    bfAbstractControl* controls[] = {soundFile_, browse_};
    return AreaOf(form_, controls);
}

}  // namespace tockly
