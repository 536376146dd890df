#include "widgets/note_text.h"

namespace tockly {

std::u16string NoteBoxText(std::u16string_view content) {
    std::u16string text;
    text.reserve(content.size());
    for (std::size_t i = 0; i < content.size(); ++i) {
        const char16_t c = content[i];
        if (c == u'\r') {
            if (i + 1 < content.size() && content[i + 1] == u'\n') {
                ++i;  // CR LF is one line break
            }
            text += u"\r\n";
        } else if (c == u'\n') {
            text += u"\r\n";
        } else {
            text += c == u'\0' ? u'\uFFFD' : c;
        }
    }
    return text;
}

}  // namespace tockly
