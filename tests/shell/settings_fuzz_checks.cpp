#include "settings_fuzz_checks.h"

#include "shell/settings_file.h"
#include "support/utf16.h"

namespace tockly {

std::optional<std::string> CheckSettingsFileBytes(std::span<const std::uint8_t> bytes) {
    // Whatever the file held, the values the program takes from it are written back so that
    // the next start reads the very same values: a damaged file heals on the first save.
    const SettingsValues read = ParseSettingsText(DecodeUtf16Le(bytes));
    const std::u16string written = FormatSettingsText(read);
    const SettingsValues reread = ParseSettingsText(written);
    if (!(reread == read)) {
        return "the values read do not survive being written and read again";
    }
    if (FormatSettingsText(reread) != written) {
        return "writing the values read back gives another file";
    }
    const std::vector<std::uint8_t> encoded = EncodeUtf16Le(written);
    if (!(ParseSettingsText(DecodeUtf16Le(encoded)) == read)) {
        return "the written bytes read back as other values";
    }
    return std::nullopt;
}

}  // namespace tockly
