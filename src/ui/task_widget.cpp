#include "ui/task_widget.h"

#include <type_traits>
#include <utility>

#include "execution/task_counter.h"
#include "widgets/counter.h"
#include "widgets/sticky_note.h"
#include "widgets/stopwatch.h"
#include "widgets/timer.h"

namespace tockly {
namespace {

WidgetMenuTexts MenuTexts(const LanguageTexts& texts) {
    return {texts.Text(TextId::UNIVERSAL_POPUP_MENU_ALWAYS_ON_TOP),
            texts.Text(TextId::UNIVERSAL_POPUP_MENU_SHOW_PROGRESS_BAR),
            texts.Text(TextId::UNIVERSAL_POPUP_MENU_TRANSPARENCY),
            texts.Text(TextId::UNIVERSAL_POPUP_MENU_HIDE),
            texts.Text(TextId::UNIVERSAL_POPUP_MENU_REMOVE)};
}

// The system tasks: a task counter of the kind's type.
class SystemTaskWidget final : public TaskWidget {
public:
    SystemTaskWidget(TaskKind kind, HWND owner, TaskId id, const TaskServices& services)
        : kind_(kind),
          counter_(owner, id, static_cast<SystemTaskType>(kind), services.actions, services.clock) {
    }

    TaskKind kind() const noexcept override { return kind_; }
    bfAbstractWidget& widget() noexcept override { return counter_; }
    const bfAbstractWidget& widget() const noexcept override { return counter_; }

    void Apply(const StoredTask& record) override {
        std::visit(
            [this](const auto& task) {
                using Record = std::decay_t<decltype(task)>;
                if constexpr (std::is_constructible_v<SystemTaskRecord, Record>) {
                    if (counter_.SetRecord(SystemTaskRecord(task))) {
                        counter_.ApplyRecord();
                        counter_.MoveTo(task.x, task.y);
                    }
                }
            },
            record);
    }

    StoredTask Record() const override {
        const SystemTaskRecord record = counter_.record();
        return std::visit(
            [this](auto task) -> StoredTask {
                task.x = counter_.x();
                task.y = counter_.y();
                task.shown = counter_.shown();
                task.running = counter_.running();
                return task;
            },
            record);
    }

    void SetRemoveAfterEnd(bool remove) override { counter_.SetRemoveAfterEnd(remove); }
    void Retranslate(const LanguageTexts& texts) override {
        counter_.SetTexts(TaskCounterTexts::From(texts));
    }

private:
    TaskKind kind_;
    bfTaskCounter counter_;
};

// The personal widgets: one widget class with ApplyRecord and Record of one record type.
template <typename Widget, typename Task, TaskKind Kind>
class PersonalTaskWidget final : public TaskWidget {
public:
    template <typename... Arguments>
    explicit PersonalTaskWidget(Arguments&&... arguments)
        : widget_(std::forward<Arguments>(arguments)...) {}

    TaskKind kind() const noexcept override { return Kind; }
    bfAbstractWidget& widget() noexcept override { return widget_; }
    const bfAbstractWidget& widget() const noexcept override { return widget_; }

    void Apply(const StoredTask& record) override {
        if (const Task* task = std::get_if<Task>(&record)) {
            widget_.ApplyRecord(*task);
        }
    }
    StoredTask Record() const override { return widget_.Record(); }

    void SetRemoveAfterEnd(bool remove) override {
        if constexpr (requires { widget_.SetRemoveAfterEnd(remove); }) {
            widget_.SetRemoveAfterEnd(remove);
        }
    }

    void Retranslate(const LanguageTexts& texts) override {
        if constexpr (std::is_same_v<Widget, bfStickyNote>) {
            widget_.SetTexts({texts.Text(TextId::UNIVERSAL_POPUP_MENU_ALWAYS_ON_TOP),
                              texts.Text(TextId::UNIVERSAL_POPUP_MENU_TRANSPARENCY),
                              texts.Text(TextId::STICKY_NOTE_MENU_CHANGE_THEME_STYLE),
                              texts.Text(TextId::STICKY_NOTE_MENU_DARK_THEME),
                              texts.Text(TextId::STICKY_NOTE_MENU_LIGHT_THEME),
                              texts.Text(TextId::STICKY_NOTE_MENU_YELLOW_THEME),
                              texts.Text(TextId::UNIVERSAL_POPUP_MENU_HIDE),
                              texts.Text(TextId::UNIVERSAL_POPUP_MENU_REMOVE)});
        } else if constexpr (std::is_same_v<Widget, bfStopwatch>) {
            widget_.SetTexts({texts.Text(TextId::STOPWATCH_SAVE),
                              texts.Text(TextId::UNIVERSAL_POPUP_MENU_ALWAYS_ON_TOP),
                              texts.Text(TextId::UNIVERSAL_POPUP_MENU_TRANSPARENCY),
                              texts.Text(TextId::STOPWATCH_POPUP_MENU_LOAD_TIMES_LIST),
                              texts.Text(TextId::STOPWATCH_POPUP_MENU_SAVE_TIMES_LIST),
                              texts.Text(TextId::UNIVERSAL_POPUP_MENU_HIDE),
                              texts.Text(TextId::UNIVERSAL_POPUP_MENU_REMOVE)});
        } else {
            widget_.SetMenuTexts(MenuTexts(texts));
        }
    }

    std::optional<MessageInfo> EndMessage() const override {
        if constexpr (std::is_same_v<Task, TimerTask> || std::is_same_v<Task, CounterTask>) {
            const Task task = widget_.Record();
            return MessageInfo{task.title,
                               task.messageText,
                               task.soundFile,
                               task.playSoundAfterEnd,
                               task.soundRepetition == kSoundOnce,
                               false};
        } else {
            return std::nullopt;
        }
    }

private:
    Widget widget_;
};

using TimerTaskWidget = PersonalTaskWidget<bfTimer, TimerTask, TaskKind::Timer>;
using CounterTaskWidget = PersonalTaskWidget<bfCounter, CounterTask, TaskKind::Counter>;
using StickyNoteTaskWidget = PersonalTaskWidget<bfStickyNote, StickyNoteTask, TaskKind::StickyNote>;
using StopwatchTaskWidget = PersonalTaskWidget<bfStopwatch, StopwatchTask, TaskKind::Stopwatch>;

}  // namespace

std::unique_ptr<TaskWidget> MakeTaskWidget(TaskKind kind, HWND owner, TaskId id,
                                           const TaskServices& services) {
    switch (kind) {
        case TaskKind::Application:
        case TaskKind::PrintScreen:
        case TaskKind::Internet:
        case TaskKind::Power:
            return std::make_unique<SystemTaskWidget>(kind, owner, id, services);
        case TaskKind::Timer:
            return std::make_unique<TimerTaskWidget>(owner, id, services.actions.sound,
                                                     services.clock, services.elapsed);
        case TaskKind::Counter:
            return std::make_unique<CounterTaskWidget>(owner, id, services.actions.sound,
                                                       services.clock);
        case TaskKind::StickyNote:
            return std::make_unique<StickyNoteTaskWidget>(owner, id);
        case TaskKind::Stopwatch:
            return std::make_unique<StopwatchTaskWidget>(
                owner, id, StopwatchWorld{services.elapsed, services.dialogs});
    }
    return nullptr;
}

void RetranslateEndMessage(bfMessageView& view, const LanguageTexts& texts) {
    view.SetTexts(texts.Text(TextId::MESSAGES_STOP), MenuTexts(texts));
}

WidgetFamily FamilyOf(TaskKind kind) noexcept {
    switch (kind) {
        case TaskKind::Application:
        case TaskKind::PrintScreen:
        case TaskKind::Internet:
        case TaskKind::Power:
            return WidgetFamily::TaskCounter;
        case TaskKind::Timer:
            return WidgetFamily::Timer;
        case TaskKind::Counter:
            return WidgetFamily::Counter;
        case TaskKind::StickyNote:
            return WidgetFamily::StickyNote;
        case TaskKind::Stopwatch:
            return WidgetFamily::Stopwatch;
    }
    return WidgetFamily::None;
}

}  // namespace tockly
