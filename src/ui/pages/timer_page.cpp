#include "ui/pages/timer_page.h"

namespace tockly {
namespace {

constexpr int kLeft = 4;
constexpr int kFieldWidth = ScrollingForm::kContentWidth - kLeft;

constexpr EndOptionTexts kTimerEndTexts{TextId::TIMER_SHOW_MESSAGE_AFTER_END,
                                        TextId::TIMER_AFTER_END_PLAY_SOUND, TextId::TIMER_ONCE,
                                        TextId::TIMER_MULTIPLE_TIMES};
constexpr EndOptionTexts kCounterEndTexts{TextId::COUNTER_SHOW_MESSAGE_AFTER_END,
                                          TextId::COUNTER_AFTER_END_PLAY_SOUND,
                                          TextId::COUNTER_ONCE, TextId::COUNTER_MULTIPLE_TIMES};

void AddRows(std::vector<FormRow>& rows, std::vector<FormRow> more) {
    for (FormRow& row : more) {
        rows.push_back(std::move(row));
    }
}

}  // namespace

// ---- Timer ----

TimerTaskPage::TimerTaskPage(HWND owner, const PageServices& services,
                             std::function<void()> requestSave)
    : TaskPage(owner, TaskKind::Timer, services, std::move(requestSave),
               {timer_control::kScrollBar, timer_control::kSubmit}),
      countdownCaption_(&MakeCaption(kFieldWidth)),
      countdown_(form_, timer_control::kFirstCountdownBox, true),
      end_(form_, timer_control::kEndOptions),
      checks_(form_, timer_control::kProgressBar, timer_control::kRemoveAfterEnd) {
    OnEach(countdown_.Controls(), [this](const bfAbstractControl* control) {
        countdown_.Take(control, model_.EditCountdown());
    });
    for (bfAbstractControl* control : end_.Controls()) {
        On(*control,
           [this, control](int code) { end_.Take(control, code, model_.EditEndOptions()); });
    }
    On(end_.browse(), [this](int) {
        if (const auto file = ChooseFile(timer_control::kDialogGuard, SoundFileFilter())) {
            model_.EditEndOptions().SetSoundFile(*file);
        }
    });
    OnEach(checks_.Controls(),
           [this](const bfAbstractControl* control) { checks_.Take(control, model_.checks()); });
    EnterCreateMode();
}

void TimerTaskPage::ResetForm(const std::u16string& title) {
    model_.Reset(title, Defaults());
}

void TimerTaskPage::LoadForm(const StoredTask& task) {
    if (const auto* timer = std::get_if<TimerTask>(&task)) {
        model_.Load(*timer);
    }
}

std::optional<StoredTask> TimerTaskPage::SubmitForm(const StoredTask* current) {
    return SubmitWith<TimerTask>(
        current, [&] { return model_.Create(Defaults()); },
        [&](const TimerTask& task) { return model_.Change(task); });
}

void TimerTaskPage::ShowForm() {
    ShowTitle(model_.title());
    countdown_.Show(model_.countdown(), true);
    end_.Show(model_.endOptions());
    checks_.Show(model_.checks());

    std::vector<FormRow> rows = HeadRows();
    rows.push_back({18, {{countdownCaption_, kLeft}}});
    AddRows(rows, countdown_.Rows());
    AddRows(rows, end_.Rows());
    AddRows(rows, checks_.Rows());
    rows.push_back(SubmitRow());
    form_.LayOut(rows);
}

std::optional<RECT> TimerTaskPage::MarkedArea() {
    switch (model_.mark().field()) {
        case FormField::Countdown:
            return countdown_.Area();
        case FormField::SoundFile:
            return end_.SoundArea();
        default:
            return std::nullopt;
    }
}

void TimerTaskPage::RetranslateForm(const LanguageTexts& texts) {
    countdownCaption_->SetText(texts.Text(TextId::TIMER_COUNTDOWN));
    countdown_.Retranslate(texts);
    end_.Retranslate(texts, kTimerEndTexts);
    checks_.Retranslate(texts);
}

// ---- Counter ----

CounterTaskPage::CounterTaskPage(HWND owner, const PageServices& services,
                                 std::function<void()> requestSave)
    : TaskPage(owner, TaskKind::Counter, services, std::move(requestSave),
               {counter_control::kScrollBar, counter_control::kSubmit}),
      target_(form_, counter_control::kCountTo, counter_control::kFirstTimeBox,
              counter_control::kAmPm, counter_control::kCountFor, counter_control::kFirstSpanBox,
              true),
      end_(form_, counter_control::kEndOptions),
      checks_(form_, counter_control::kProgressBar, counter_control::kRemoveAfterEnd) {
    OnEach(target_.Controls(),
           [this](const bfAbstractControl* control) { target_.Take(control, model_, Now()); });
    for (bfAbstractControl* control : end_.Controls()) {
        On(*control,
           [this, control](int code) { end_.Take(control, code, model_.EditEndOptions()); });
    }
    On(end_.browse(), [this](int) {
        if (const auto file = ChooseFile(counter_control::kDialogGuard, SoundFileFilter())) {
            model_.EditEndOptions().SetSoundFile(*file);
        }
    });
    OnEach(checks_.Controls(),
           [this](const bfAbstractControl* control) { checks_.Take(control, model_.checks()); });
    EnterCreateMode();
}

void CounterTaskPage::ResetForm(const std::u16string& title) {
    model_.Reset(title, Now(), Defaults());
    model_.Set24Hour(twentyFourHour());
}

void CounterTaskPage::LoadForm(const StoredTask& task) {
    if (const auto* counter = std::get_if<CounterTask>(&task)) {
        model_.Load(*counter);
        model_.Set24Hour(twentyFourHour());
    }
}

std::optional<StoredTask> CounterTaskPage::SubmitForm(const StoredTask* current) {
    const Clock& clock = services().tasks.clock;
    return SubmitWith<CounterTask>(
        current, [&] { return model_.Create(clock, Defaults()); },
        [&](const CounterTask& task) { return model_.Change(task, clock); });
}

void CounterTaskPage::ShowForm() {
    ShowTitle(model_.title());
    target_.Show(model_.target());
    end_.Show(model_.endOptions());
    checks_.Show(model_.checks());

    std::vector<FormRow> rows = HeadRows();
    AddRows(rows, target_.Rows(true));
    AddRows(rows, end_.Rows());
    AddRows(rows, checks_.Rows());
    rows.push_back(SubmitRow());
    form_.LayOut(rows);
    target_.Show(model_.target());
}

std::optional<RECT> CounterTaskPage::MarkedArea() {
    if (model_.mark().field() == FormField::SoundFile) {
        return end_.SoundArea();
    }
    return target_.Area(model_.mark().field());
}

void CounterTaskPage::RetranslateForm(const LanguageTexts& texts) {
    target_.Retranslate(texts, TextId::COUNTER_COUNT_TO, TextId::COUNTER_COUNT_FOR);
    end_.Retranslate(texts, kCounterEndTexts);
    checks_.Retranslate(texts);
}

}  // namespace tockly
