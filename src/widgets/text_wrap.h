#pragma once
// How the end-of-count message breaks its text into lines, measured through an interface so that
// the window measures in its font and the tests with widths of their own. Portable.

#include <string>
#include <string_view>
#include <vector>

namespace tockly {

struct LineSize {
    int width = 0;
    int height = 0;
};

class LineMeasurer {
public:
    virtual ~LineMeasurer() = default;
    virtual LineSize Measure(std::u16string_view line) const = 0;
};

struct WrapRules {
    int maxWidth = 235;  // a line closes once it is this wide or wider
    int lookBack = 9;    // how many of its last characters are searched for a space
    int lineGap = 5;     // added below every line
};

struct WrappedLine {
    std::u16string text;
    int height = 0;
};

struct WrappedText {
    std::vector<WrappedLine> lines;
    int height = 0;  // every line's height plus the gap

    // The lines joined with LF.
    std::u16string Joined() const;
};

// Characters are taken one at a time; CR, LF or a CR LF pair ends a line. A line closes as soon
// as it is maxWidth wide, with the character that made it so. Closed in the middle of a word, the
// part of the word after a space among its last lookBack characters moves to the next line; a
// longer word is broken where the line closed. A line that begins with a space loses it, and a
// line break right after a line closed by its width ends no second, empty line. An empty line is
// measured as a single space, so it keeps its height; an empty text is one such line.
WrappedText WrapText(std::u16string_view text, const LineMeasurer& measurer,
                     const WrapRules& rules = {});

}  // namespace tockly
