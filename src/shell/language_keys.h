#pragma once
// The text numbers of the user interface, their key names in language files and the built-in
// English texts.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace tockly {

// One list feeds both the TextId enumeration and the table below, so that a key name can never
// drift from its number. Numbers are grouped by thousands per screen or widget.
// X(key name, text number, English text) for a text that language files can change;
// BUILT_IN(name, text number, English text) for one that only has its English text.
#define TOCKLY_LANGUAGE_KEYS(X, BUILT_IN)                                                         \
    X(LANGUAGE, 100, u"")                                                                         \
    X(GENERAL_SETTINGS, 1000, u"Settings")                                                        \
    X(GENERAL_INFORMATIONS, 1001, u"Informations")                                                \
    X(GENERAL_TASKS, 1002, u"Tasks")                                                              \
    X(GENERAL_APPLICATIONS, 1003, u"Applications")                                                \
    X(GENERAL_PRINT_SCREENS, 1004, u"Print screens")                                              \
    X(GENERAL_INTERNET_CONNECTIONS, 1005, u"Internet\nconnections")                               \
    X(GENERAL_USER_SESSIONS_POWER_MANAGEMENT, 1006, u"User sessions\npower mng.")                 \
    X(GENERAL_COUNTING, 1007, u"Counting")                                                        \
    X(GENERAL_TIMER, 1008, u"Timer")                                                              \
    X(GENERAL_COUNTER, 1009, u"Counter")                                                          \
    X(GENERAL_STICKY_NOTES, 1010, u"Sticky note")                                                 \
    X(GENERAL_STOPWATCH, 1011, u"Stopwatch")                                                      \
    X(GENERAL_APPLICATION_NAME, 1012, u"Brackenfold Software Tockly 1.0.0")                       \
    X(GENERAL_CREATE_STICKY_NOTE, 1013, u"Create sticky note")                                    \
    X(GENERAL_CREATE_STOPWATCH, 1014, u"Create stopwatch")                                        \
    X(GENERAL_STARTING_TIME, 1015, u"Starting time")                                              \
    X(GENERAL_HOURS, 1016, u"Hours")                                                              \
    X(GENERAL_MINUTES, 1017, u"Minutes")                                                          \
    X(GENERAL_SECONDS, 1018, u"Seconds")                                                          \
    X(SETTINGS_TITLE, 2000, u"Settings")                                                          \
    X(SETTINGS_LANGUAGE, 2001, u"Language")                                                       \
    X(SETTINGS_CHANGE_LANGUAGE, 2002, u"Change language")                                         \
    X(SETTINGS_EXECUTE_AFTER_START, 2003, u"Execute after start")                                 \
    X(SETTINGS_DEFAULT_WIDGETS_TRANSAPRENCY, 2004, u"Default widgets transparency")               \
    X(SETTINGS_REMOVE_TASK_AFTER_END, 2005, u"Remove task after end")                             \
    X(SETTINGS_SHOW_PROGRESS_BAR, 2006, u"Show progress bar")                                     \
    X(SETTINGS_SHOW_WIDGETS_ALWAYS_ON_TOP, 2007, u"Show widgets always on top")                   \
    X(SETTINGS_STICKY_NOTES_THEME, 2008, u"Sticky notes theme")                                   \
    X(SETTINGS_DARK_THEME, 2009, u"Dark theme")                                                   \
    X(SETTINGS_LIGHT_THEME, 2010, u"Light theme")                                                 \
    X(SETTINGS_YELLOW_THEME, 2011, u"Yellow theme")                                               \
    X(SETTINGS_OK, 2012, u"OK")                                                                   \
    X(SETTINGS_CANCEL, 2013, u"Cancel")                                                           \
    X(INFORMATIONS_LIBRARY, 3000, u"application uses Brackenfold Software Widgets Library 0.7.2") \
    X(INFORMATIONS_VERSION, 3001, u"version:")                                                    \
    X(INFORMATIONS_RELEASE_DATE, 3002, u"release date:")                                          \
    X(INFORMATIONS_COPY_RIGHTS, 3007,                                                             \
      u"Copyright \u00A9 2016 Brackenfold Software. All rights reserved.")                        \
    X(TASKS_TITLE, 4000, u"Title")                                                                \
    X(TASKS_SHOW_WIDGETS_PROGRESS_BAR, 4001, u"Show widget's progress bar")                       \
    X(TASKS_REMOVE_TASK_AFTER_END, 4002, u"Remove task after end")                                \
    X(TASKS_DAY, 4003, u"Day")                                                                    \
    X(TASKS_DAYS, 4004, u"Days")                                                                  \
    X(TASKS_MONTH, 4005, u"Month")                                                                \
    X(TASKS_YEAR, 4006, u"Year")                                                                  \
    X(TASKS_HOUR, 4007, u"Hour")                                                                  \
    X(TASKS_HOURS, 4008, u"Hours")                                                                \
    X(TASKS_MINUTES, 4009, u"Minutes")                                                            \
    X(TASKS_SECONDS, 4010, u"Seconds")                                                            \
    X(TASKS_AM, 4012, u"AM")                                                                      \
    X(TASKS_PM, 4013, u"PM")                                                                      \
    X(APPLICATIONS_TYPE, 5000, u"Create application task")                                        \
    X(APPLICATIONS_TYPE_CHANGE, 5001, u"Change application task")                                 \
    X(APPLICATIONS_TITLE_VALUE, 5002, u"Application")                                             \
    X(APPLICATIONS_EXECUTE_PROGRAM, 5003, u"Execute program")                                     \
    X(APPLICATIONS_KILL_PROGRAM, 5004, u"Kill program")                                           \
    X(APPLICATIONS_AT, 5005, u"At")                                                               \
    X(APPLICATIONS_PATH, 5006, u"Path")                                                           \
    X(APPLICATIONS_PARAMETERS, 5007, u"Parameters")                                               \
    X(APPLICATIONS_START_IN, 5008, u"Start in")                                                   \
    X(APPLICATIONS_PID, 5009, u"PID")                                                             \
    X(APPLICATIONS_CREATE_TASK, 5010, u"Create task")                                             \
    X(APPLICATIONS_CHANGE_TASK, 5011, u"Change task")                                             \
    X(APPLICATIONS_PROCESS_LIST_TITLE, 5012, u"Process list")                                     \
    X(APPLICATIONS_PROCESS_LIST_BUTTON, 5013, u"Choose process")                                  \
    X(PRINT_SCREEN_TYPE, 6000, u"Create print screen task")                                       \
    X(PRINT_SCREEN_TYPE_CHANGE, 6001, u"Change print screen task")                                \
    X(PRINT_SCREEN_TITLE_VALUE, 6002, u"Print screen")                                            \
    X(PRINT_SCREEN_SAVE_IN, 6003, u"Save in")                                                     \
    X(PRINT_SCREEN_FILE_NAME, 6004, u"File name")                                                 \
    X(PRINT_SCREEN_FILE_NAME_VALUE, 6005, u"screenshot")                                          \
    X(PRINT_SCREEN_FILE_FORMAT, 6006, u"File format")                                             \
    X(PRINT_SCREEN_START_AT, 6007, u"Start at")                                                   \
    X(PRINT_SCREEN_REPEAT_EVERY, 6008, u"Repeat every")                                           \
    X(PRINT_SCREEN_ONCE, 6009, u"Once")                                                           \
    X(PRINT_SCREEN_ALL_TIME, 6010, u"All time")                                                   \
    X(PRINT_SCREEN_FOR, 6011, u"For")                                                             \
    X(PRINT_SCREEN_CREATE_TASK, 6012, u"Create task")                                             \
    X(PRINT_SCREEN_CHANGE_TASK, 6013, u"Change task")                                             \
    X(INTERNET_CONNECTIONS_TYPE, 7000, u"Create internet connection task")                        \
    X(INTERNET_CONNECTIONS_TYPE_CHANGE, 7001, u"Change internet connection task")                 \
    X(INTERNET_CONNECTIONS_TITLE_VALUE, 7002, u"Internet connection")                             \
    X(INTERNET_CONNECTIONS_CONNECT, 7003, u"Connect")                                             \
    X(INTERNET_CONNECTIONS_DISCONNECT, 7004, u"Disconnect")                                       \
    X(INTERNET_CONNECTIONS_INTERNET_NAME, 7005, u"Connection name")                               \
    X(INTERNET_CONNECTIONS_AT, 7006, u"At")                                                       \
    X(INTERNET_CONNECTIONS_IN, 7007, u"In")                                                       \
    X(INTERNET_CONNECTIONS_CREATE_TASK, 7008, u"Create task")                                     \
    X(INTERNET_CONNECTIONS_CHANGE_TASK, 7009, u"Change task")                                     \
    X(POWER_MANAGEMENT_TYPE, 8000, u"Create power management task")                               \
    X(POWER_MANAGEMENT_TYPE_CHANGE, 8001, u"Change power management task")                        \
    X(POWER_MANAGEMENT_TITLE_VALUE, 8002, u"Power management")                                    \
    X(POWER_MANAGEMENT_TASK, 8003, u"Task")                                                       \
    X(POWER_MANAGEMENT_LOCK, 8004, u"Lock")                                                       \
    X(POWER_MANAGEMENT_LOG_OFF, 8005, u"Log off")                                                 \
    X(POWER_MANAGEMENT_SLEEP, 8006, u"Sleep")                                                     \
    X(POWER_MANAGEMENT_RESTART, 8007, u"Restart")                                                 \
    X(POWER_MANAGEMENT_HIBERNATE, 8008, u"Hibernate")                                             \
    X(POWER_MANAGEMENT_HYBRID_SHUT_DOWN, 8009, u"Hybrid shut down")                               \
    X(POWER_MANAGEMENT_SHUT_DOWN, 8010, u"Shut down")                                             \
    X(POWER_MANAGEMENT_AT, 8011, u"At")                                                           \
    X(POWER_MANAGEMENT_IN, 8012, u"In")                                                           \
    X(POWER_MANAGEMENT_FORCE_TASK_EXECUTION, 8013, u"Force task execution")                       \
    X(POWER_MANAGEMENT_CREATE_TASK, 8014, u"Create task")                                         \
    X(POWER_MANAGEMENT_CHANGE_TASK, 8015, u"Change task")                                         \
    X(TIMER_TYPE, 9000, u"Create timer task")                                                     \
    X(TIMER_TYPE_CHANGE, 9001, u"Change timer task")                                              \
    X(TIMER_TITLE_VALUE, 9002, u"Timer")                                                          \
    X(TIMER_COUNTDOWN, 9003, u"Countdown")                                                        \
    X(TIMER_SHOW_MESSAGE_AFTER_END, 9004, u"Show message after end")                              \
    X(TIMER_AFTER_END_PLAY_SOUND, 9005, u"Play sound after end")                                  \
    X(TIMER_ONCE, 9006, u"Once")                                                                  \
    X(TIMER_MULTIPLE_TIMES, 9007, u"Multiple times")                                              \
    X(TIMER_CREATE_TASK, 9008, u"Create task")                                                    \
    X(TIMER_CHANGE_TASK, 9009, u"Change task")                                                    \
    X(COUNTER_TYPE, 10000, u"Create counter task")                                                \
    X(COUNTER_TYPE_CHANGE, 10001, u"Change counter task")                                         \
    X(COUNTER_TITLE_VALUE, 10002, u"Counter")                                                     \
    X(COUNTER_COUNT_FOR, 10003, u"Count for")                                                     \
    X(COUNTER_COUNT_TO, 10004, u"Count to")                                                       \
    X(COUNTER_SHOW_MESSAGE_AFTER_END, 10005, u"Show message after end")                           \
    X(COUNTER_AFTER_END_PLAY_SOUND, 10006, u"Play sound after end")                               \
    X(COUNTER_ONCE, 10007, u"Once")                                                               \
    X(COUNTER_MULTIPLE_TIMES, 10008, u"Multiple times")                                           \
    X(COUNTER_CREATE_TASK, 10009, u"Create task")                                                 \
    X(COUNTER_CHANGE_TASK, 10010, u"Change task")                                                 \
    X(STICKY_NOTES_TYPE, 11000, u"Create sticky note task")                                       \
    X(STICKY_NOTES_TYPE_CHANGE, 11001, u"Change sticky note task")                                \
    X(STICKY_NOTES_TITLE_VALUE, 11002, u"Sticky note")                                            \
    X(STICKY_NOTES_CONTENT, 11003, u"Content")                                                    \
    X(STICKY_NOTES_CREATE_TASK, 11004, u"Create task")                                            \
    X(STICKY_NOTES_CHANGE_TASK, 11005, u"Change task")                                            \
    X(STICKY_NOTES_QUICK_TITLE, 11006, u"Quick note")                                             \
    X(STOPWATCH_TYPE, 12000, u"Create stopwatch task")                                            \
    X(STOPWATCH_TYPE_CHANGE, 12001, u"Change stopwatch task")                                     \
    X(STOPWATCH_TITLE_VALUE, 12002, u"Stopwatch")                                                 \
    X(STOPWATCH_STARTING_TIME, 12003, u"Starting time")                                           \
    X(STOPWATCH_CREATE_TASK, 12004, u"Create task")                                               \
    X(STOPWATCH_CHANGE_TASK, 12005, u"Change task")                                               \
    X(STOPWATCH_QUICK_TITLE, 12006, u"Quick stopwatch")                                           \
    X(TASK_ITEM_NUMBER, 13000, u"No.")                                                            \
    X(TASK_ITEM_TITLE, 13001, u"Title")                                                           \
    X(TASK_ITEM_SHOW, 13002, u"Show")                                                             \
    X(TASK_ITEM_PLAY, 13003, u"Play")                                                             \
    X(TASK_ITEM_REMOVE_AFTER_END, 13004, u"Remove after end")                                     \
    X(TASK_ITEM_REMOVE, 13005, u"Remove")                                                         \
    X(TASK_ITEM_APPLICATIONS, 13006, u"Applications")                                             \
    X(TASK_ITEM_PRINT_SCREENS, 13007, u"Print screens")                                           \
    X(TASK_ITEM_INTERNET_CONNECTIONS, 13008, u"Internet connections")                             \
    X(TASK_ITEM_USER_SESSIONS, 13009, u"User sessions")                                           \
    X(TASK_ITEM_TIMER, 13010, u"Timer")                                                           \
    X(TASK_ITEM_COUNTER, 13011, u"Counter")                                                       \
    X(TASK_ITEM_STICKY_NOTES, 13012, u"Sticky notes")                                             \
    X(TASK_ITEM_STOPWATCH, 13013, u"Stopwatch")                                                   \
    X(TRAY_MENU_SET_DEFAULT_POSITION, 14000, u"Set widgets' start positions")                     \
    X(TRAY_MENU_SHOW_ALL_WIDGETS, 14001, u"Show all widgets")                                     \
    X(TRAY_MENU_HIDE_ALL_WIDGETS, 14002, u"Hide all widgets")                                     \
    X(TRAY_MENU_SETTINGS, 14003, u"Settings")                                                     \
    X(TRAY_MENU_INFORMATIONS, 14004, u"Informations")                                             \
    X(TRAY_MENU_QUICK_TASKS, 14005, u"Quick tasks")                                               \
    X(TRAY_MENU_QUICK_STICKY_NOTE, 14006, u"Quick sticky note")                                   \
    X(TRAY_MENU_QUICK_STOPWATCH, 14007, u"Quick stopwatch")                                       \
    X(TRAY_MENU_TASKS, 14008, u"Tasks")                                                           \
    X(TRAY_MENU_APPLICATIONS, 14009, u"Applications")                                             \
    X(TRAY_MENU_PRINT_SCREENS, 14010, u"Print screens")                                           \
    X(TRAY_MENU_INTERNET_CONNECTIONS, 14011, u"Internet connections")                             \
    X(TRAY_MENU_POWER_MANAGEMENT, 14012, u"Power management")                                     \
    X(TRAY_MENU_STICKY_NOTES, 14013, u"Sticky notes")                                             \
    X(TRAY_MENU_COUNTING, 14014, u"Counting")                                                     \
    X(TRAY_MENU_TIMER, 14015, u"Timer")                                                           \
    X(TRAY_MENU_COUNTER, 14016, u"Counter")                                                       \
    X(TRAY_MENU_STOPWATCH, 14017, u"Stopwatch")                                                   \
    X(TRAY_MENU_FEEDBACK, 14018, u"Feedback")                                                     \
    X(TRAY_MENU_EXIT, 14019, u"Exit")                                                             \
    X(MESSAGES_STOP, 15002, u"Stop")                                                              \
    X(TASK_COUNTER_TASK, 16001, u"task:")                                                         \
    X(TASK_COUNTER_LOCK, 16002, u"lock computer")                                                 \
    X(TASK_COUNTER_LOGOFF, 16003, u"logout user")                                                 \
    X(TASK_COUNTER_SLEEP, 16004, u"sleep computer")                                               \
    X(TASK_COUNTER_RESTART, 16005, u"restart computer")                                           \
    X(TASK_COUNTER_HIBERNATE, 16006, u"hibernate computer")                                       \
    X(TASK_COUNTER_HYBRID_SHUT_DOWN, 16007, u"hybrid shut down")                                  \
    X(TASK_COUNTER_SHUT_DOWN, 16008, u"shut down")                                                \
    X(TASK_COUNTER_POWER_TASK_MODE, 16009, u"mode:")                                              \
    X(TASK_COUNTER_POWER_TASK_FORCE, 16010, u"forced")                                            \
    X(TASK_COUNTER_AT, 16011, u"at:")                                                             \
    X(TASK_COUNTER_HOUR, 16012, u"hour")                                                          \
    X(TASK_COUNTER_EXECUTE_PROGRAM, 16013, u"execute program")                                    \
    X(TASK_COUNTER_KILL_PROGRAM, 16014, u"kill program")                                          \
    X(TASK_COUNTER_PATH, 16015, u"path:")                                                         \
    X(TASK_COUNTER_PID, 16016, u"PID:")                                                           \
    X(TASK_COUNTER_PARAMETERS, 16017, u"parameters:")                                             \
    X(TASK_COUNTER_START_IN, 16018, u"start in:")                                                 \
    X(TASK_COUNTER_CONNECT_NETWORK, 16019, u"connect network")                                    \
    X(TASK_COUNTER_DISCONNECT_NETWORK, 16020, u"disconnect network")                              \
    X(TASK_COUNTER_NETWORK_NAME, 16021, u"network name:")                                         \
    X(TASK_COUNTER_SAVE_IN, 16022, u"save in:")                                                   \
    X(TASK_COUNTER_PRINT_SCREEN, 16023, u"print screen")                                          \
    X(TASK_COUNTER_IN_MODE, 16024, u"in")                                                         \
    BUILT_IN(TASK_COUNTER_AT_MODE, 16025, u"at")                                                  \
    X(STOPWATCH_SAVE, 17000, u"Save")                                                             \
    X(UNIVERSAL_POPUP_MENU_ALWAYS_ON_TOP, 18000, u"Always on top")                                \
    X(UNIVERSAL_POPUP_MENU_SHOW_PROGRESS_BAR, 18001, u"Show progress bar")                        \
    X(UNIVERSAL_POPUP_MENU_TRANSPARENCY, 18002, u"Transparency")                                  \
    X(UNIVERSAL_POPUP_MENU_HIDE, 18003, u"Hide")                                                  \
    X(UNIVERSAL_POPUP_MENU_REMOVE, 18004, u"Remove")                                              \
    X(PRINT_SCREEN_POPUP_MENU_REPEAT_EVERY, 19000, u"Repeat every")                               \
    X(PRINT_SCREEN_POPUP_MENU_15_MINUTES, 19001, u"15 minutes")                                   \
    X(PRINT_SCREEN_POPUP_MENU_5_MINUTES, 19002, u"5 minutes")                                     \
    X(PRINT_SCREEN_POPUP_MENU_1_MINUTE, 19003, u"1 minute")                                       \
    X(PRINT_SCREEN_POPUP_MENU_30_SECONDS, 19004, u"30 seconds")                                   \
    X(PRINT_SCREEN_POPUP_MENU_15_SECONDS, 19005, u"15 seconds")                                   \
    X(PRINT_SCREEN_POPUP_MENU_5_SECONDS, 19006, u"5 seconds")                                     \
    X(PRINT_SCREEN_POPUP_MENU_EXECUTE_FOR, 19007, u"Execute for")                                 \
    X(PRINT_SCREEN_POPUP_MENU_1_HOUR, 19008, u"1 hour")                                           \
    X(PRINT_SCREEN_POPUP_MENU_30_MINUTES, 19009, u"30 minutes")                                   \
    X(PRINT_SCREEN_POPUP_MENU_FILE_FORMAT, 19013, u"File format")                                 \
    X(INTERNET_POPUP_MENU_CONNECT, 20000, u"Connect")                                             \
    X(INTERNET_POPUP_MENU_DISCONNECT, 20001, u"Disconnect")                                       \
    X(POWER_MANAGEMENT_POPUP_MENU_FORCE, 21000, u"Force")                                         \
    X(STICKY_NOTE_MENU_CHANGE_THEME_STYLE, 22000, u"Change theme style")                          \
    X(STICKY_NOTE_MENU_DARK_THEME, 22001, u"Dark theme")                                          \
    X(STICKY_NOTE_MENU_LIGHT_THEME, 22002, u"Light theme")                                        \
    X(STICKY_NOTE_MENU_YELLOW_THEME, 22003, u"Yellow theme")                                      \
    X(STOPWATCH_POPUP_MENU_LOAD_TIMES_LIST, 23000, u"Load times list")                            \
    X(STOPWATCH_POPUP_MENU_SAVE_TIMES_LIST, 23001, u"Save times list")                            \
    X(TEXT_BOX_CUT, 24000, u"Cut")                                                                \
    X(TEXT_BOX_COPY, 24001, u"Copy")                                                              \
    X(TEXT_BOX_PASTE, 24002, u"Paste")                                                            \
    X(TEXT_BOX_DELETE, 24003, u"Delete")                                                          \
    X(TEXT_BOX_SELECT_ALL, 24004, u"Select all")

// Every text number of the user interface. TASK_COUNTER_AT_MODE ("at", the counterpart of
// TASK_COUNTER_IN_MODE) has no key name, so no language file can change it.
enum class TextId : std::int32_t {
#define TOCKLY_TEXT_ID(name, number, english) name = number,
    TOCKLY_LANGUAGE_KEYS(TOCKLY_TEXT_ID, TOCKLY_TEXT_ID)
#undef TOCKLY_TEXT_ID
};

inline constexpr std::int32_t kLanguageNameNumber = static_cast<std::int32_t>(TextId::LANGUAGE);
inline constexpr std::u16string_view kLanguageNameKey = u"LANGUAGE";

struct LanguageEntry {
    std::int32_t number;
    std::u16string_view key;      // empty: the number has no key name
    std::u16string_view english;  // empty: the number has no English text
};

// Every text number with a key name or an English text, in ascending number.
std::span<const LanguageEntry> LanguageEntries();

const LanguageEntry* FindLanguageEntry(std::int32_t number);
std::optional<std::u16string_view> EnglishText(std::int32_t number);

constexpr std::int32_t TextNumber(TextId id) {
    return static_cast<std::int32_t>(id);
}

}  // namespace tockly
