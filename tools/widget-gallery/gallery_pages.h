#pragma once
// The pages of the widget gallery. A page is a function that shows real windows, captures them
// and composes one picture; adding a page is writing that function and listing it here.

#include <windows.h>

#include <span>

#include "canvas.h"

namespace tockly::gallery {

struct GalleryPage {
    const wchar_t* name;  // the picture is saved as widget-gallery-<name>.bmp
    Canvas (*take)();
};

// The widget base: a plain widget in its states, and at every transparency over a desktop.
Canvas WidgetPage();
// Every widget menu opened, with its submenus.
Canvas MenuPage();
// The task counter of each type collapsed and expanded, with and without its strip, and its menus.
Canvas TaskCounterPage();
// The timer, the counter and the end-of-count message in their states, with their menus.
Canvas CountWidgetsPage();
// The sticky note in its themes and the stopwatch in its states, with their menus open.
Canvas NotesPage();

inline std::span<const GalleryPage> GalleryPages() {
    static const GalleryPage pages[] = {
        {L"widgets", &WidgetPage},
        {L"menus", &MenuPage},
        {L"task-counters", &TaskCounterPage},
        {L"count-widgets", &CountWidgetsPage},
        {L"notes", &NotesPage},
    };
    return pages;
}

// Lets every window of this thread paint.
void PumpMessages();

}  // namespace tockly::gallery
