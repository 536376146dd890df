#pragma once
// What the language table knows, apart from the folder it reads: the files a scan offered, the
// chosen language, its loaded texts and the lookup with its fallbacks. LanguageTable
// (language_table.h) feeds it from the "language" folder beside the program.

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/language_keys.h"

namespace tockly {

inline constexpr std::u16string_view kMissingText = u"ERROR";

class LanguageTexts {
public:
    // Forgets what a previous scan found; the chosen language and the loaded texts stay.
    void ForgetScan();

    // A language file found by a scan, with as many of its first bytes as could be read (at
    // least kLanguageHeadBytes when the file has them). It is offered under the name its
    // LANGUAGE line gives; a file without one, or with the name of a file offered before, is
    // not. Returns the name it is offered under.
    std::optional<std::u16string> AddLanguageFile(std::u16string_view fileName,
                                                  std::span<const std::uint8_t> firstBytes);
    // A picture ("bmp" in its name) found by a scan.
    void AddPicture(std::u16string_view fileName);

    // Display names of the offered languages, in the order they were found.
    const std::vector<std::u16string>& AvailableLanguages() const { return available_; }
    std::optional<std::u16string> LanguageFile(std::u16string_view displayName) const;
    const std::vector<std::u16string>& LanguagePictures() const { return pictures_; }
    // The picture whose name up to its last "." is that of the language's file, e.g.
    // "Deutsch.bmp" for "Deutsch.lng".
    std::optional<std::u16string> LanguagePicture(std::u16string_view displayName) const;

    // Chooses an offered language and leaves default mode. A name that is not offered switches
    // default mode on: lookups then give the English texts only.
    bool Select(std::u16string_view displayName);
    bool defaultMode() const { return defaultMode_; }
    // The file to load: that of the chosen language, none in default mode or before a choice.
    std::optional<std::u16string> SelectedFile() const;

    // Rebuilds the loaded texts from the chosen language's file, of which `fileBytes` is the
    // whole content, or nullopt when it could not be read. Without a chosen language, in
    // default mode, or for an unreadable or oversized file, the loaded texts stay empty.
    void LoadSelectedFrom(const std::optional<std::vector<std::uint8_t>>& fileBytes);

    // The loaded text of the number, else its English text, else "ERROR". In default mode only
    // the English texts count.
    std::u16string Text(std::int32_t number) const;
    std::u16string Text(TextId id) const { return Text(TextNumber(id)); }

private:
    std::vector<std::u16string> available_;
    std::map<std::u16string, std::u16string, std::less<>> files_;  // display name -> file name
    std::vector<std::u16string> pictures_;
    std::optional<std::u16string> chosen_;
    bool defaultMode_ = false;
    std::map<std::int32_t, std::u16string> loaded_;
};

}  // namespace tockly
