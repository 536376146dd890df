#include "execution/task_counter_model.h"

#include <optional>
#include <string>
#include <utility>

#include "execution/application_action.h"
#include "execution/network_action.h"
#include "execution/power_action.h"
#include "execution/print_screen_action.h"
#include "shell/language_texts.h"
#include "widgets/menu_ids.h"

namespace tockly {
namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

// The fields every system record has, for the visits below.
template <typename F>
decltype(auto) Common(SystemTaskRecord& record, F&& f) {
    return std::visit([&f](auto& task) -> decltype(auto) { return f(task); }, record);
}
template <typename F>
decltype(auto) Common(const SystemTaskRecord& record, F&& f) {
    return std::visit([&f](const auto& task) -> decltype(auto) { return f(task); }, record);
}

// A screen capture that only notes the shot asked for: the print screen step decides and numbers
// its shot under the widget's lock, and the saving (capture and encoding, which take long) is
// done afterwards without it.
class NotedShot final : public ScreenCapture {
public:
    bool SaveScreenshot(std::u16string_view path, ScreenshotFormat format) override {
        shot_.emplace(std::u16string(path), format);
        return true;
    }
    const std::optional<std::pair<std::u16string, ScreenshotFormat>>& shot() const { return shot_; }

private:
    std::optional<std::pair<std::u16string, ScreenshotFormat>> shot_;
};

constexpr TextId kPowerActionTexts[] = {
    TextId::TASK_COUNTER_LOCK,      TextId::TASK_COUNTER_LOGOFF,
    TextId::TASK_COUNTER_SLEEP,     TextId::TASK_COUNTER_RESTART,
    TextId::TASK_COUNTER_HIBERNATE, TextId::TASK_COUNTER_HYBRID_SHUT_DOWN,
    TextId::TASK_COUNTER_SHUT_DOWN,
};

constexpr TextId kTextIds[] = {
    TextId::TASK_COUNTER_TASK,
    TextId::TASK_COUNTER_LOCK,
    TextId::TASK_COUNTER_LOGOFF,
    TextId::TASK_COUNTER_SLEEP,
    TextId::TASK_COUNTER_RESTART,
    TextId::TASK_COUNTER_HIBERNATE,
    TextId::TASK_COUNTER_HYBRID_SHUT_DOWN,
    TextId::TASK_COUNTER_SHUT_DOWN,
    TextId::TASK_COUNTER_POWER_TASK_MODE,
    TextId::TASK_COUNTER_POWER_TASK_FORCE,
    TextId::TASK_COUNTER_AT,
    TextId::TASK_COUNTER_HOUR,
    TextId::TASK_COUNTER_EXECUTE_PROGRAM,
    TextId::TASK_COUNTER_KILL_PROGRAM,
    TextId::TASK_COUNTER_PATH,
    TextId::TASK_COUNTER_PID,
    TextId::TASK_COUNTER_PARAMETERS,
    TextId::TASK_COUNTER_START_IN,
    TextId::TASK_COUNTER_CONNECT_NETWORK,
    TextId::TASK_COUNTER_DISCONNECT_NETWORK,
    TextId::TASK_COUNTER_NETWORK_NAME,
    TextId::TASK_COUNTER_SAVE_IN,
    TextId::TASK_COUNTER_PRINT_SCREEN,
    TextId::TASK_COUNTER_IN_MODE,
    TextId::TASK_COUNTER_AT_MODE,
    TextId::UNIVERSAL_POPUP_MENU_ALWAYS_ON_TOP,
    TextId::UNIVERSAL_POPUP_MENU_SHOW_PROGRESS_BAR,
    TextId::UNIVERSAL_POPUP_MENU_TRANSPARENCY,
    TextId::UNIVERSAL_POPUP_MENU_HIDE,
    TextId::UNIVERSAL_POPUP_MENU_REMOVE,
    TextId::PRINT_SCREEN_POPUP_MENU_REPEAT_EVERY,
    TextId::PRINT_SCREEN_POPUP_MENU_15_MINUTES,
    TextId::PRINT_SCREEN_POPUP_MENU_5_MINUTES,
    TextId::PRINT_SCREEN_POPUP_MENU_1_MINUTE,
    TextId::PRINT_SCREEN_POPUP_MENU_30_SECONDS,
    TextId::PRINT_SCREEN_POPUP_MENU_15_SECONDS,
    TextId::PRINT_SCREEN_POPUP_MENU_5_SECONDS,
    TextId::PRINT_SCREEN_POPUP_MENU_EXECUTE_FOR,
    TextId::PRINT_SCREEN_POPUP_MENU_1_HOUR,
    TextId::PRINT_SCREEN_POPUP_MENU_30_MINUTES,
    TextId::PRINT_SCREEN_POPUP_MENU_FILE_FORMAT,
    TextId::INTERNET_POPUP_MENU_CONNECT,
    TextId::INTERNET_POPUP_MENU_DISCONNECT,
    TextId::POWER_MANAGEMENT_POPUP_MENU_FORCE,
};

// The Transparency, "Repeat every", "Execute for" and "File format" submenus' places.
constexpr int kTransparencyPosition = 2;
constexpr int kRepeatEveryPosition = 4;
constexpr int kExecuteForPosition = 5;
constexpr int kFileFormatPosition = 6;

bool InRange(int id, int first, int last) {
    return id >= first && id <= last;
}

void AppendNumber(std::u16string& text, std::int64_t value, std::size_t width) {
    const std::string digits = std::to_string(value);
    if (digits.size() < width) {
        text.append(width - digits.size(), u'0');
    }
    text.append(digits.begin(), digits.end());
}

const std::u16string& AtOrIn(std::int32_t choice, const TaskCounterTexts& texts) {
    return texts.Get(choice == kTargetEnteredIn ? TextId::TASK_COUNTER_IN_MODE
                                                : TextId::TASK_COUNTER_AT_MODE);
}

}  // namespace

SystemTaskRecord EmptyRecord(SystemTaskType type) {
    switch (type) {
        case SystemTaskType::PrintScreen:
            return PrintScreenTask{};
        case SystemTaskType::Internet:
            return InternetTask{};
        case SystemTaskType::Power:
            return PowerTask{};
        case SystemTaskType::Application:
            break;
    }
    return ApplicationTask{};
}

SystemTaskType TypeOf(const SystemTaskRecord& record) {
    return static_cast<SystemTaskType>(record.index());
}

std::u16string_view TaskCounterMenu(SystemTaskType type) {
    switch (type) {
        case SystemTaskType::PrintScreen:
            return u"PrintScreen_PopupMenu";
        case SystemTaskType::Internet:
            return u"Networks_PopupMenu";
        case SystemTaskType::Power:
            return u"PowerManagement_PopupMenu";
        case SystemTaskType::Application:
            break;
    }
    return u"Universal_PopupMenu";
}

int TaskCounterBodyHeight(SystemTaskType type, bool collapsed) {
    if (collapsed) {
        return kTaskCounterCollapsedHeight;
    }
    return type == SystemTaskType::Application ? 129 : 116;
}

int TaskCounterHeight(SystemTaskType type, bool collapsed, bool strip) {
    return TaskCounterBodyHeight(type, collapsed) + (strip ? kTaskCounterStripHeight : 0);
}

CountTimes CountTimesOf(const SystemTaskRecord& record) {
    return std::visit(Overloaded{
                          [](const PrintScreenTask& task) {
                              const auto mode = static_cast<RepetitionMode>(task.repetitionMode);
                              return CountTimes{task.start, task.target,
                                                mode == RepetitionMode::RepeatForSpan
                                                    ? task.executeFor
                                                    : Duration{},
                                                mode == RepetitionMode::Repeat};
                          },
                          [](const auto& task) {
                              return CountTimes{task.start, task.target, {}, false};
                          },
                      },
                      record);
}

WorkerStep StepAfterAction(ActionStep result, bool removeAfterEnd) {
    WorkerStep step;
    if (result == ActionStep::Continue) {
        return step;
    }
    if (result == ActionStep::Failed || removeAfterEnd) {
        step.Post(task_counter_event::kRemoveRequest);
        step.end = WorkerEnd::AwaitRemoval;
        return step;
    }
    step.Post(task_counter_event::kHidden).Post(task_counter_event::kEnded);
    step.end = WorkerEnd::Stop;
    return step;
}

TaskCounterTexts::TaskCounterTexts() {
    for (const TextId id : kTextIds) {
        texts_[id] = std::u16string(EnglishText(TextNumber(id)).value_or(u""));
    }
}

TaskCounterTexts TaskCounterTexts::From(const LanguageTexts& language) {
    TaskCounterTexts texts;
    for (const TextId id : kTextIds) {
        texts.Set(id, language.Text(id));
    }
    return texts;
}

const std::u16string& TaskCounterTexts::Get(TextId id) const {
    static const std::u16string kNone;
    const auto found = texts_.find(id);
    return found != texts_.end() ? found->second : kNone;
}

void TaskCounterTexts::Set(TextId id, std::u16string text) {
    texts_[id] = std::move(text);
}

std::span<const TextId> TaskCounterTexts::Ids() {
    return kTextIds;
}

std::vector<MenuText> TaskCounterMenuTexts(SystemTaskType type) {
    std::vector<MenuText> texts = {
        {MenuPlace::Command(menu_id::kAlwaysOnTop), TextId::UNIVERSAL_POPUP_MENU_ALWAYS_ON_TOP},
        {MenuPlace::Command(menu_id::kShowProgressBar),
         TextId::UNIVERSAL_POPUP_MENU_SHOW_PROGRESS_BAR},
        {MenuPlace::Position({kTransparencyPosition}), TextId::UNIVERSAL_POPUP_MENU_TRANSPARENCY},
        {MenuPlace::Command(menu_id::kHide), TextId::UNIVERSAL_POPUP_MENU_HIDE},
        {MenuPlace::Command(menu_id::kRemove), TextId::UNIVERSAL_POPUP_MENU_REMOVE},
    };
    switch (type) {
        case SystemTaskType::PrintScreen: {
            const TextId periods[] = {
                TextId::PRINT_SCREEN_POPUP_MENU_15_MINUTES,
                TextId::PRINT_SCREEN_POPUP_MENU_5_MINUTES,
                TextId::PRINT_SCREEN_POPUP_MENU_1_MINUTE,
                TextId::PRINT_SCREEN_POPUP_MENU_30_SECONDS,
                TextId::PRINT_SCREEN_POPUP_MENU_15_SECONDS,
                TextId::PRINT_SCREEN_POPUP_MENU_5_SECONDS,
            };
            const TextId spans[] = {
                TextId::PRINT_SCREEN_POPUP_MENU_1_HOUR,
                TextId::PRINT_SCREEN_POPUP_MENU_30_MINUTES,
                TextId::PRINT_SCREEN_POPUP_MENU_15_MINUTES,
                TextId::PRINT_SCREEN_POPUP_MENU_5_MINUTES,
                TextId::PRINT_SCREEN_POPUP_MENU_1_MINUTE,
            };
            texts.push_back({MenuPlace::Position({kRepeatEveryPosition}),
                             TextId::PRINT_SCREEN_POPUP_MENU_REPEAT_EVERY});
            for (int i = 0; i < 6; ++i) {
                texts.push_back({MenuPlace::Command(menu_id::kRepeatFirst + i), periods[i]});
            }
            texts.push_back({MenuPlace::Position({kExecuteForPosition}),
                             TextId::PRINT_SCREEN_POPUP_MENU_EXECUTE_FOR});
            for (int i = 0; i < 5; ++i) {
                texts.push_back({MenuPlace::Command(menu_id::kExecuteForFirst + i), spans[i]});
            }
            texts.push_back({MenuPlace::Position({kFileFormatPosition}),
                             TextId::PRINT_SCREEN_POPUP_MENU_FILE_FORMAT});
            break;
        }
        case SystemTaskType::Internet:
            texts.push_back(
                {MenuPlace::Command(menu_id::kConnect), TextId::INTERNET_POPUP_MENU_CONNECT});
            texts.push_back(
                {MenuPlace::Command(menu_id::kDisconnect), TextId::INTERNET_POPUP_MENU_DISCONNECT});
            break;
        case SystemTaskType::Power:
            texts.push_back(
                {MenuPlace::Command(menu_id::kForce), TextId::POWER_MANAGEMENT_POPUP_MENU_FORCE});
            break;
        case SystemTaskType::Application:
            break;
    }
    return texts;
}

std::u16string TargetText(const TimePoint& target, const TaskCounterTexts& texts) {
    std::u16string text;
    AppendNumber(text, target.year, 4);
    text += u'-';
    AppendNumber(text, target.month, 2);
    text += u'-';
    AppendNumber(text, target.day, 2);
    text += u", ";
    AppendNumber(text, target.hour, 2);
    text += u':';
    AppendNumber(text, target.minute, 2);
    text += u':';
    AppendNumber(text, target.second, 2);
    const std::u16string& hour = texts.Get(TextId::TASK_COUNTER_HOUR);
    if (!hour.empty()) {
        text += u' ';
        text += hour;
    }
    return text;
}

DetailLines MakeDetailLines(const SystemTaskRecord& record, const TaskCounterTexts& texts) {
    const auto text = [&texts](TextId id) { return texts.Get(id); };
    DetailLines lines;
    lines[0].label = text(TextId::TASK_COUNTER_TASK);
    lines[1] = {text(TextId::TASK_COUNTER_AT), Common(record, [&texts](const auto& task) {
                    return TargetText(task.target, texts);
                })};
    std::visit(
        Overloaded{
            [&](const ApplicationTask& task) {
                if (task.action == static_cast<std::int32_t>(ApplicationAction::EndProcess)) {
                    lines[0].value = text(TextId::TASK_COUNTER_KILL_PROGRAM);
                    lines[2] = {text(TextId::TASK_COUNTER_PID), task.processId};
                    if (!task.programPath.empty()) {
                        lines[3] = {text(TextId::TASK_COUNTER_PATH), task.programPath, true};
                    }
                    return;
                }
                if (task.action == static_cast<std::int32_t>(ApplicationAction::StartProgram)) {
                    lines[0].value = text(TextId::TASK_COUNTER_EXECUTE_PROGRAM);
                }
                lines[2] = {text(TextId::TASK_COUNTER_PATH), task.programPath, true};
                lines[3] = {text(TextId::TASK_COUNTER_PARAMETERS), task.parameters, true};
                lines[4] = {text(TextId::TASK_COUNTER_START_IN), task.startIn, true};
            },
            [&](const PrintScreenTask& task) {
                lines[0].value = text(TextId::TASK_COUNTER_PRINT_SCREEN);
                lines[2] = {text(TextId::TASK_COUNTER_SAVE_IN), task.saveIn, true};
                // The next picture's name, under the folder.
                lines[3].value = ScreenshotPath(u"", task.filePrefix, task.shotCounter,
                                                ScreenshotFormatOf(task.formatChoice));
                lines[3].longValue = true;
            },
            [&](const InternetTask& task) {
                if (task.action == static_cast<std::int32_t>(NetworkAction::Connect)) {
                    lines[0].value = text(TextId::TASK_COUNTER_CONNECT_NETWORK);
                } else if (task.action == static_cast<std::int32_t>(NetworkAction::Disconnect)) {
                    lines[0].value = text(TextId::TASK_COUNTER_DISCONNECT_NETWORK);
                }
                lines[2] = {text(TextId::TASK_COUNTER_NETWORK_NAME), task.entryName, true};
                lines[3] = {text(TextId::TASK_COUNTER_POWER_TASK_MODE),
                            AtOrIn(task.atInChoice, texts)};
            },
            [&](const PowerTask& task) {
                if (task.action >= 0 &&
                    task.action < static_cast<std::int32_t>(std::size(kPowerActionTexts))) {
                    lines[0].value = text(kPowerActionTexts[task.action]);
                }
                lines[2] = {text(TextId::TASK_COUNTER_POWER_TASK_MODE),
                            AtOrIn(task.atInChoice, texts)};
                if (task.force) {
                    lines[3].value = text(TextId::TASK_COUNTER_POWER_TASK_FORCE);
                }
            },
        },
        record);
    return lines;
}

bool DetailLineShown(SystemTaskType type, int line, bool collapsed) {
    if (line < kCollapsedDetailLines) {
        return true;
    }
    if (collapsed) {
        return false;
    }
    return line == kCollapsedDetailLines || type == SystemTaskType::Application;
}

Duration RepeatPeriodOfItem(int menuId) {
    constexpr Duration kPeriods[] = {{0, 0, 15, 0}, {0, 0, 5, 0},  {0, 0, 1, 0},
                                     {0, 0, 0, 30}, {0, 0, 0, 15}, {0, 0, 0, 5}};
    return InRange(menuId, menu_id::kRepeatFirst, menu_id::kRepeatLast)
               ? kPeriods[menuId - menu_id::kRepeatFirst]
               : Duration{};
}

Duration ExecuteForOfItem(int menuId) {
    constexpr Duration kSpans[] = {
        {0, 1, 0, 0}, {0, 0, 30, 0}, {0, 0, 15, 0}, {0, 0, 5, 0}, {0, 0, 1, 0}};
    return InRange(menuId, menu_id::kExecuteForFirst, menu_id::kExecuteForLast)
               ? kSpans[menuId - menu_id::kExecuteForFirst]
               : Duration{};
}

TaskCounterModel::TaskCounterModel(SystemTaskType type)
    : type_(type), record_(EmptyRecord(type)), countdown_(CountdownText(0, false)) {}

bool TaskCounterModel::SetRecord(SystemTaskRecord record) {
    if (TypeOf(record) != type_) {
        return false;
    }
    record_ = std::move(record);
    return true;
}

void TaskCounterModel::Recount(const TimePoint& now) {
    const CountTimes times = CountTimesOf(record_);
    const std::int64_t remaining = SecondsRemaining(now, times);
    countdown_ = CountdownText(remaining, times.endless);
    columns_ = ProgressColumns(ProgressFraction(remaining, TotalSeconds(times), times.endless));
}

CounterSecond TaskCounterModel::Second(const TimePoint& now) {
    const std::u16string previousText = countdown_;
    const int previousColumns = columns_;
    Recount(now);
    CounterSecond second;
    second.countdownChanged = countdown_ != previousText;
    second.stripChanged = columns_ != previousColumns;
    second.removeAfterEnd = removeAfterEnd();
    const std::int64_t remaining = SecondsRemaining(now, CountTimesOf(record_));
    std::visit(Overloaded{
                   [&](PrintScreenTask& task) {
                       NotedShot noted;
                       const ActionStep result = RunPrintScreenStep(
                           noted, task, SecondsSinceTarget(now, task.target), remaining);
                       if (!noted.shot() && result == ActionStep::Continue) {
                           return;
                       }
                       second.detailsChanged = noted.shot().has_value();
                       second.action = [shot = noted.shot(), result](SystemActions& actions) {
                           if (shot) {
                               actions.screen.SaveScreenshot(shot->first, shot->second);
                           }
                           return result;
                       };
                   },
                   [&](const ApplicationTask& task) {
                       if (remaining == 0) {
                           second.action = [task](SystemActions& actions) {
                               return RunApplication(actions.processes, 0, task);
                           };
                       }
                   },
                   [&](const InternetTask& task) {
                       if (remaining == 0) {
                           second.action = [task](SystemActions& actions) {
                               return RunNetworkStep(actions.dialUp, actions.pause, 0, task);
                           };
                       }
                   },
                   [&](const PowerTask& task) {
                       if (remaining == 0) {
                           second.action = [task](SystemActions& actions) {
                               return RunPowerAction(actions.session, actions.pause, 0, task);
                           };
                       }
                   },
               },
               record_);
    return second;
}

bool TaskCounterModel::ChooseRepeatEvery(int menuId) {
    auto* task = std::get_if<PrintScreenTask>(&record_);
    if (task == nullptr || !InRange(menuId, menu_id::kRepeatFirst, menu_id::kRepeatLast)) {
        return false;
    }
    task->repeatPeriod = RepeatPeriodOfItem(menuId);
    task->repeatChoice = menuId - menu_id::kRepeatFirst;
    return true;
}

bool TaskCounterModel::ChooseExecuteFor(int menuId, const TimePoint& now) {
    auto* task = std::get_if<PrintScreenTask>(&record_);
    if (task == nullptr || !InRange(menuId, menu_id::kExecuteForFirst, menu_id::kExecuteForLast)) {
        return false;
    }
    task->start = now;
    task->target = now;
    task->executeFor = ExecuteForOfItem(menuId);
    task->repetitionMode = static_cast<std::int32_t>(RepetitionMode::RepeatForSpan);
    task->executeForChoice = menuId - menu_id::kExecuteForFirst;
    return true;
}

bool TaskCounterModel::ChooseFileFormat(int menuId) {
    auto* task = std::get_if<PrintScreenTask>(&record_);
    if (task == nullptr || !InRange(menuId, menu_id::kFormatPng, menu_id::kFormatBmp)) {
        return false;
    }
    task->formatChoice = menuId - menu_id::kFormatPng;
    return true;
}

bool TaskCounterModel::ToggleForce() {
    auto* task = std::get_if<PowerTask>(&record_);
    if (task == nullptr) {
        return false;
    }
    task->force = !task->force;
    return true;
}

void TaskCounterModel::SetRemoveAfterEnd(bool remove) {
    Common(record_, [remove](auto& task) { task.removeAfterEnd = remove; });
}

bool TaskCounterModel::removeAfterEnd() const {
    return Common(record_, [](const auto& task) { return task.removeAfterEnd; });
}

void TaskCounterModel::SetAppearance(bool alwaysOnTop, bool showProgressBar,
                                     std::int32_t transparency) {
    Common(record_, [&](auto& task) {
        task.alwaysOnTop = alwaysOnTop;
        task.showProgressBar = showProgressBar;
        task.transparency = transparency;
    });
}

void TaskCounterModel::SetTitle(std::u16string title) {
    Common(record_, [&title](auto& task) { task.title = std::move(title); });
}

void TaskCounterModel::SetExpanded(bool expanded) {
    if (auto* task = std::get_if<ApplicationTask>(&record_)) {
        task->expanded = expanded;
    }
}

}  // namespace tockly
