#pragma once
// Command ids of the text controls' context menu: resource 200, used as its submenu 0. Plain
// macros, because the resource compiler reads this file too; the code uses the constants below.

#define TOCKLY_TEXT_MENU_RESOURCE 200
#define TOCKLY_TEXT_CUT 201
#define TOCKLY_TEXT_COPY 202
#define TOCKLY_TEXT_PASTE 203
#define TOCKLY_TEXT_DELETE 204
#define TOCKLY_TEXT_SELECT_ALL 205

#ifndef RC_INVOKED
namespace tockly::menu_id {

inline constexpr int kTextMenuResource = TOCKLY_TEXT_MENU_RESOURCE;
inline constexpr int kTextCut = TOCKLY_TEXT_CUT;
inline constexpr int kTextCopy = TOCKLY_TEXT_COPY;
inline constexpr int kTextPaste = TOCKLY_TEXT_PASTE;
inline constexpr int kTextDelete = TOCKLY_TEXT_DELETE;
inline constexpr int kTextSelectAll = TOCKLY_TEXT_SELECT_ALL;

}  // namespace tockly::menu_id
#endif
