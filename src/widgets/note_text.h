#pragma once
// A sticky note's content as its text box holds it without losing any of it. Portable.
//
// The box (a rich edit) keeps a line break as one paragraph mark and gives it back as CR LF; it
// reads CR CR LF as a soft break inside a line (a blank) and ends a text at a NUL. So a content
// from elsewhere (the task store) is handed to it with every line break, CR LF, CR or LF alone,
// as CR LF, and a NUL as U+FFFD: every line break comes back as one, and nothing after a NUL is
// cut off.
#include <string>
#include <string_view>

namespace tockly {

std::u16string NoteBoxText(std::u16string_view content);

}  // namespace tockly
