#pragma once
// One task's widget as its task list drives it, whatever the kind: made with the task's id as its
// widget id and the list as its owner, filled from a stored record, read back into one, started
// and stopped, its remove-after-end flag set, its texts translated, and (timer and counter) the
// end-of-count message its record asks for.

#include <windows.h>

#include <memory>
#include <optional>

#include "shell/language_texts.h"
#include "tasks/task_registry.h"
#include "ui/task_list_model.h"
#include "ui/task_services.h"
#include "widgets/abstract_widget.h"
#include "widgets/message_view.h"

namespace tockly {

class TaskWidget {
public:
    virtual ~TaskWidget() = default;

    virtual TaskKind kind() const noexcept = 0;
    virtual bfAbstractWidget& widget() noexcept = 0;
    virtual const bfAbstractWidget& widget() const noexcept = 0;

    // The record's settings into the widget and its window to the record's position. It is not
    // shown or started here. A record of another kind changes nothing.
    virtual void Apply(const StoredTask& record) = 0;
    // The task as the store keeps it now: the record taken under the widget's lock, with the
    // widget's position, menu choices, and whether it is shown and running.
    virtual StoredTask Record() const = 0;

    // The remove-after-end toggle of the row; nothing for kinds that never end.
    virtual void SetRemoveAfterEnd(bool remove) { static_cast<void>(remove); }
    // The widget's texts (labels and menu) in the language of `texts`.
    virtual void Retranslate(const LanguageTexts& texts) = 0;
    // The end-of-count message of a timer or counter as its record has it; nothing for others.
    virtual std::optional<MessageInfo> EndMessage() const { return std::nullopt; }
};

// The widget of a task of `kind` with widget id `id`, owned by the list window `owner`.
std::unique_ptr<TaskWidget> MakeTaskWidget(TaskKind kind, HWND owner, TaskId id,
                                           const TaskServices& services);

// The end-of-count message's texts ("Stop" and its menu) in the language of `texts`.
void RetranslateEndMessage(bfMessageView& view, const LanguageTexts& texts);

// The widget family whose notifications a list of `kind` reads.
WidgetFamily FamilyOf(TaskKind kind) noexcept;

}  // namespace tockly
