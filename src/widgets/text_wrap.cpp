#include "widgets/text_wrap.h"

namespace tockly {
namespace {

bool IsBreak(char16_t c) noexcept {
    return c == u'\r' || c == u'\n';
}

bool IsBlank(char16_t c) noexcept {
    return c == u' ' || IsBreak(c);
}

bool IsHighSurrogate(char16_t c) noexcept {
    return c >= 0xD800 && c <= 0xDBFF;
}

class Wrapper {
public:
    Wrapper(const LineMeasurer& measurer, const WrapRules& rules)
        : measurer_(measurer), rules_(rules) {}

    WrappedText Wrap(std::u16string_view text) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const char16_t c = text[i];
            if (IsBreak(c)) {
                const bool secondOfPair = c == u'\n' && i > 0 && text[i - 1] == u'\r';
                if (!secondOfPair && !closedByWidth_) {
                    Close(std::u16string());
                }
                closedByWidth_ = false;
                continue;
            }
            closedByWidth_ = false;
            if (line_.empty() && !lineStarted_) {
                lineStarted_ = true;
                if (c == u' ') {
                    continue;  // a line does not begin with a space
                }
            }
            line_.push_back(c);
            const bool hasNext = i + 1 < text.size();
            if (IsHighSurrogate(c) && hasNext) {
                continue;  // a character in two code units is measured whole
            }
            if (Measure(line_).width >= rules_.maxWidth) {
                const bool midWord = c != u' ' && hasNext && !IsBlank(text[i + 1]);
                CloseByWidth(midWord);
            }
        }
        if (!line_.empty() || text_.lines.empty()) {
            Close(std::u16string());
        }
        return std::move(text_);
    }

private:
    LineSize Measure(std::u16string_view line) const {
        return measurer_.Measure(line.empty() ? std::u16string_view(u" ") : line);
    }

    // Closes the current line; `next` begins the next one.
    void Close(std::u16string next) {
        const int height = Measure(line_).height;
        text_.lines.push_back({std::move(line_), height});
        text_.height += height + rules_.lineGap;
        line_ = std::move(next);
        lineStarted_ = !line_.empty();
    }

    void CloseByWidth(bool midWord) {
        std::u16string carried;
        if (midWord) {
            const std::size_t size = line_.size();
            const std::size_t first = size > static_cast<std::size_t>(rules_.lookBack)
                                          ? size - static_cast<std::size_t>(rules_.lookBack)
                                          : 0;
            for (std::size_t k = size; k-- > first;) {
                if (line_[k] == u' ' || line_[k] == u'\n') {
                    carried = line_.substr(k + 1);
                    line_.resize(k + 1);
                    break;
                }
            }
        }
        Close(std::move(carried));
        closedByWidth_ = line_.empty();
    }

    const LineMeasurer& measurer_;
    const WrapRules& rules_;
    WrappedText text_;
    std::u16string line_;
    bool lineStarted_ = false;
    bool closedByWidth_ = false;
};

}  // namespace

std::u16string WrappedText::Joined() const {
    std::u16string joined;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            joined.push_back(u'\n');
        }
        joined += lines[i].text;
    }
    return joined;
}

WrappedText WrapText(std::u16string_view text, const LineMeasurer& measurer,
                     const WrapRules& rules) {
    return Wrapper(measurer, rules).Wrap(text);
}

}  // namespace tockly
