#pragma once
// What the task counter widget knows and decides without a window: its record, the countdown it
// shows, the action a second makes due, how a count ends, what the menu commands change in the
// record, its size, its detail lines and the language texts it shows. Portable; bfTaskCounter
// (task_counter.h) holds one under its lock and draws what it says.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "execution/action_step.h"
#include "execution/task_countdown.h"
#include "platform/system_actions.h"
#include "shell/language_keys.h"
#include "support/time_point.h"
#include "tasks/task_records.h"
#include "widgets/menu_setup.h"
#include "widgets/worker_loop.h"

namespace tockly {

class LanguageTexts;

// The task counter's type: the first four task kinds.
enum class SystemTaskType : std::int32_t {
    Application = 0,
    PrintScreen = 1,
    Internet = 2,
    Power = 3
};

// The record of each type, the variant's index being the type.
using SystemTaskRecord = std::variant<ApplicationTask, PrintScreenTask, InternetTask, PowerTask>;
SystemTaskRecord EmptyRecord(SystemTaskType type);
SystemTaskType TypeOf(const SystemTaskRecord& record);
// The menu resource of each type.
std::u16string_view TaskCounterMenu(SystemTaskType type);

// The event codes of the task counter's `WidgetEvent` (family 1).
namespace task_counter_event {
inline constexpr int kHidden = 0;
inline constexpr int kEnded = 2;
inline constexpr int kTitleEdited = 3;
inline constexpr int kRemoveRequest = 4;
inline constexpr int kRearmed = 5;
}  // namespace task_counter_event

// The "at" and "in" choices of internet and power tasks: how the editor took the target.
inline constexpr std::int32_t kTargetEnteredAt = 0;
inline constexpr std::int32_t kTargetEnteredIn = 1;

// ---- Geometry ----
inline constexpr int kTaskCounterWidth = 200;
inline constexpr int kTaskCounterCollapsedHeight = 99;
inline constexpr int kTaskCounterStripHeight = 10;  // 9 rows of the strip and the frame below
// The body: 99 collapsed; expanded 129 for an application (two lines more), 116 for the others.
int TaskCounterBodyHeight(SystemTaskType type, bool collapsed);
// The window: the body, and the strip under it while shown.
int TaskCounterHeight(SystemTaskType type, bool collapsed, bool strip);

// ---- The count ----
// The times of the record's count: the print screen task's span counts in repetition mode 2, and
// its mode 1 is endless.
CountTimes CountTimesOf(const SystemTaskRecord& record);

// The end of a count as the worker reports it: Done with remove-after-end, or Failed, asks for
// removal (`RemoveRequest` alone, the worker waits to be joined by the owner); Done without it
// ends the count (`Hidden`, then `Ended`; the widget hides and stops); Continue goes on.
WorkerStep StepAfterAction(ActionStep result, bool removeAfterEnd);

// An action that a second made due: it runs on the worker without the widget's lock, on what
// the record held when it became due, and answers the action step's result.
using DueAction = std::function<ActionStep(SystemActions& actions)>;

// What one second changed and made due.
struct CounterSecond {
    bool countdownChanged = false;
    bool stripChanged = false;    // the strip's column count changed
    bool detailsChanged = false;  // a screenshot advanced the shot counter
    DueAction action;             // empty: nothing to do this second
    bool removeAfterEnd = false;  // the record's flag when the action became due
};

// ---- Texts ----
// The language texts the counter shows: the TASK_COUNTER_* detail texts and its menus' item
// texts, by text id; English until set. A retranslation builds them again and hands them in.
class TaskCounterTexts {
public:
    // Every text at its English default.
    TaskCounterTexts();
    // The texts of the loaded language (English where it has none).
    static TaskCounterTexts From(const LanguageTexts& language);

    const std::u16string& Get(TextId id) const;
    void Set(TextId id, std::u16string text);
    // The ids this holds: the detail texts and the menu texts.
    static std::span<const TextId> Ids();

private:
    std::map<TextId, std::u16string> texts_;
};

// A menu item whose text comes from the language table.
struct MenuText {
    MenuPlace place;
    TextId text;
};
std::vector<MenuText> TaskCounterMenuTexts(SystemTaskType type);

// ---- Detail lines ----
// Up to five lines under the countdown, each a label (ids 4, 6, 8, 10, 12) and a value (5, 7, 9,
// 11, 13). The first three are always shown; the fourth (and for an application the fifth) only
// when expanded. An empty line is not shown. Values that can be long (paths, names) are
// shortened in the middle when drawn.
inline constexpr int kDetailLineCount = 5;
inline constexpr int kCollapsedDetailLines = 3;
struct DetailLine {
    std::u16string label;
    std::u16string value;
    bool longValue = false;

    bool empty() const { return label.empty() && value.empty(); }
    bool operator==(const DetailLine&) const = default;
};
using DetailLines = std::array<DetailLine, kDetailLineCount>;
DetailLines MakeDetailLines(const SystemTaskRecord& record, const TaskCounterTexts& texts);
// The target as the "at:" line shows it: "2024-05-17, 12:30:00 hour".
std::u16string TargetText(const TimePoint& target, const TaskCounterTexts& texts);
bool DetailLineShown(SystemTaskType type, int line, bool collapsed);

// ---- The record and what changes it ----
// Under the widget's lock: the worker's second and the user-interface thread's commands.
class TaskCounterModel {
public:
    explicit TaskCounterModel(SystemTaskType type);

    SystemTaskType type() const noexcept { return type_; }
    const SystemTaskRecord& record() const noexcept { return record_; }
    // False, with nothing changed, for a record of another type.
    bool SetRecord(SystemTaskRecord record);

    // The worker's second: the countdown and the strip as they are now, and the action the
    // second makes due. Print screen decides (and numbers) its shot here; only the saving is left
    // to the due action.
    CounterSecond Second(const TimePoint& now);
    // The countdown and strip at `now`, without acting (after the record changed).
    void Recount(const TimePoint& now);
    const std::u16string& countdownText() const noexcept { return countdown_; }
    int stripColumns() const noexcept { return columns_; }

    // Menu commands; false when the id or the type does not fit. "Execute for" starts the span
    // anew from `now`.
    bool ChooseRepeatEvery(int menuId);
    bool ChooseExecuteFor(int menuId, const TimePoint& now);
    bool ChooseFileFormat(int menuId);
    bool ToggleForce();

    // The fields the widget keeps in step with its state.
    void SetRemoveAfterEnd(bool remove);
    bool removeAfterEnd() const;
    void SetAppearance(bool alwaysOnTop, bool showProgressBar, std::int32_t transparency);
    void SetTitle(std::u16string title);
    // An application task stores whether its details are shown.
    void SetExpanded(bool expanded);

private:
    SystemTaskType type_;
    SystemTaskRecord record_;
    std::u16string countdown_;
    int columns_ = 0;
};

// The periods of "Repeat every" (118-123) and the spans of "Execute for" (124-128); a zero
// duration for any other id.
Duration RepeatPeriodOfItem(int menuId);
Duration ExecuteForOfItem(int menuId);

}  // namespace tockly
