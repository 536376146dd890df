#pragma once
// Command ids of the widget and tray menu resources (resources/menus.rc), shared by the resource
// script and the code. Plain macros, because the resource compiler reads this file too; the code
// uses the constants below them.

// Widget menus
#define TOCKLY_MENU_ALWAYS_ON_TOP 100
#define TOCKLY_MENU_SHOW_PROGRESS_BAR 101
#define TOCKLY_MENU_TRANSPARENCY_90 103
#define TOCKLY_MENU_TRANSPARENCY_80 104
#define TOCKLY_MENU_TRANSPARENCY_70 105
#define TOCKLY_MENU_TRANSPARENCY_60 106
#define TOCKLY_MENU_TRANSPARENCY_50 107
#define TOCKLY_MENU_TRANSPARENCY_40 108
#define TOCKLY_MENU_TRANSPARENCY_30 109
#define TOCKLY_MENU_TRANSPARENCY_20 110
#define TOCKLY_MENU_TRANSPARENCY_10 111
#define TOCKLY_MENU_TRANSPARENCY_0 112
#define TOCKLY_MENU_DARK_THEME 113
#define TOCKLY_MENU_LIGHT_THEME 114
#define TOCKLY_MENU_YELLOW_THEME 115
#define TOCKLY_MENU_HIDE 116
#define TOCKLY_MENU_REMOVE 117
#define TOCKLY_MENU_REPEAT_15_MINUTES 118
#define TOCKLY_MENU_REPEAT_5_MINUTES 119
#define TOCKLY_MENU_REPEAT_1_MINUTE 120
#define TOCKLY_MENU_REPEAT_30_SECONDS 121
#define TOCKLY_MENU_REPEAT_15_SECONDS 122
#define TOCKLY_MENU_REPEAT_5_SECONDS 123
#define TOCKLY_MENU_EXECUTE_1_HOUR 124
#define TOCKLY_MENU_EXECUTE_30_MINUTES 125
#define TOCKLY_MENU_EXECUTE_15_MINUTES 126
#define TOCKLY_MENU_EXECUTE_5_MINUTES 127
#define TOCKLY_MENU_EXECUTE_1_MINUTE 128
#define TOCKLY_MENU_FORMAT_PNG 129
#define TOCKLY_MENU_FORMAT_JPG 130
#define TOCKLY_MENU_FORMAT_BMP 131
#define TOCKLY_MENU_CONNECT 132
#define TOCKLY_MENU_DISCONNECT 133
#define TOCKLY_MENU_FORCE 134
#define TOCKLY_MENU_LOAD_TIMES_LIST 135
#define TOCKLY_MENU_SAVE_TIMES_LIST 136

// Tray menu (20006, 20009 and 20014 belong to the submenus, which carry no command)
#define TOCKLY_TRAY_SET_DEFAULT_POSITION 20000
#define TOCKLY_TRAY_SHOW_ALL_WIDGETS 20001
#define TOCKLY_TRAY_HIDE_ALL_WIDGETS 20002
#define TOCKLY_TRAY_SETTINGS 20003
#define TOCKLY_TRAY_INFORMATIONS 20004
#define TOCKLY_TRAY_APPLICATIONS 20005
#define TOCKLY_TRAY_QUICK_STICKY_NOTE 20007
#define TOCKLY_TRAY_QUICK_STOPWATCH 20008
#define TOCKLY_TRAY_PRINT_SCREENS 20010
#define TOCKLY_TRAY_INTERNET_CONNECTIONS 20011
#define TOCKLY_TRAY_POWER_MANAGEMENT 20012
#define TOCKLY_TRAY_STICKY_NOTES 20013
#define TOCKLY_TRAY_TIMER 20015
#define TOCKLY_TRAY_COUNTER 20016
#define TOCKLY_TRAY_STOPWATCH 20017
#define TOCKLY_TRAY_FEEDBACK 20018
#define TOCKLY_TRAY_EXIT 20019

#ifndef RC_INVOKED
namespace tockly::menu_id {

inline constexpr int kAlwaysOnTop = TOCKLY_MENU_ALWAYS_ON_TOP;
inline constexpr int kShowProgressBar = TOCKLY_MENU_SHOW_PROGRESS_BAR;
// Transparency items run from 90% (first) to 0% (last): percent = (kTransparency0 - id) * 10.
inline constexpr int kTransparency90 = TOCKLY_MENU_TRANSPARENCY_90;
inline constexpr int kTransparency0 = TOCKLY_MENU_TRANSPARENCY_0;
inline constexpr int kDarkTheme = TOCKLY_MENU_DARK_THEME;
inline constexpr int kLightTheme = TOCKLY_MENU_LIGHT_THEME;
inline constexpr int kYellowTheme = TOCKLY_MENU_YELLOW_THEME;
inline constexpr int kHide = TOCKLY_MENU_HIDE;
inline constexpr int kRemove = TOCKLY_MENU_REMOVE;
inline constexpr int kRepeatFirst = TOCKLY_MENU_REPEAT_15_MINUTES;
inline constexpr int kRepeatLast = TOCKLY_MENU_REPEAT_5_SECONDS;
inline constexpr int kExecuteForFirst = TOCKLY_MENU_EXECUTE_1_HOUR;
inline constexpr int kExecuteForLast = TOCKLY_MENU_EXECUTE_1_MINUTE;
inline constexpr int kFormatPng = TOCKLY_MENU_FORMAT_PNG;
inline constexpr int kFormatJpg = TOCKLY_MENU_FORMAT_JPG;
inline constexpr int kFormatBmp = TOCKLY_MENU_FORMAT_BMP;
inline constexpr int kConnect = TOCKLY_MENU_CONNECT;
inline constexpr int kDisconnect = TOCKLY_MENU_DISCONNECT;
inline constexpr int kForce = TOCKLY_MENU_FORCE;
inline constexpr int kLoadTimesList = TOCKLY_MENU_LOAD_TIMES_LIST;
inline constexpr int kSaveTimesList = TOCKLY_MENU_SAVE_TIMES_LIST;

inline constexpr int kTraySetDefaultPosition = TOCKLY_TRAY_SET_DEFAULT_POSITION;
inline constexpr int kTrayShowAllWidgets = TOCKLY_TRAY_SHOW_ALL_WIDGETS;
inline constexpr int kTrayHideAllWidgets = TOCKLY_TRAY_HIDE_ALL_WIDGETS;
inline constexpr int kTraySettings = TOCKLY_TRAY_SETTINGS;
inline constexpr int kTrayInformations = TOCKLY_TRAY_INFORMATIONS;
inline constexpr int kTrayApplications = TOCKLY_TRAY_APPLICATIONS;
inline constexpr int kTrayQuickStickyNote = TOCKLY_TRAY_QUICK_STICKY_NOTE;
inline constexpr int kTrayQuickStopwatch = TOCKLY_TRAY_QUICK_STOPWATCH;
inline constexpr int kTrayPrintScreens = TOCKLY_TRAY_PRINT_SCREENS;
inline constexpr int kTrayInternetConnections = TOCKLY_TRAY_INTERNET_CONNECTIONS;
inline constexpr int kTrayPowerManagement = TOCKLY_TRAY_POWER_MANAGEMENT;
inline constexpr int kTrayStickyNotes = TOCKLY_TRAY_STICKY_NOTES;
inline constexpr int kTrayTimer = TOCKLY_TRAY_TIMER;
inline constexpr int kTrayCounter = TOCKLY_TRAY_COUNTER;
inline constexpr int kTrayStopwatch = TOCKLY_TRAY_STOPWATCH;
inline constexpr int kTrayFeedback = TOCKLY_TRAY_FEEDBACK;
inline constexpr int kTrayExit = TOCKLY_TRAY_EXIT;

}  // namespace tockly::menu_id
#endif
