#include "ui/forms/form_basics.h"

#include <string>

namespace tockly {

TimePoint FormNow(const Clock& clock) {
    TimePoint now = clock.Now();
    now.millisecond = 0;
    return now;
}

std::u16string DefaultTitle(std::u16string_view text, int number) {
    std::u16string title(text);
    title += u' ';
    const std::string digits = std::to_string(number);
    title.append(digits.begin(), digits.end());
    return title;
}

}  // namespace tockly
