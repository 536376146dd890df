#include "shell/language_texts.h"

#include <algorithm>

#include "shell/language_file.h"

namespace tockly {
namespace {

std::u16string_view WithoutExtension(std::u16string_view fileName) {
    const std::size_t dot = fileName.rfind(u'.');
    return dot == std::u16string_view::npos ? fileName : fileName.substr(0, dot);
}

}  // namespace

void LanguageTexts::ForgetScan() {
    available_.clear();
    files_.clear();
    pictures_.clear();
}

std::optional<std::u16string> LanguageTexts::AddLanguageFile(
    std::u16string_view fileName, std::span<const std::uint8_t> firstBytes) {
    std::optional<std::u16string> name = OfferedLanguageName(firstBytes);
    // Two files that call themselves the same would show one name twice, and only one of them
    // could ever be chosen: the first found keeps the name.
    if (!name || files_.contains(*name)) {
        return std::nullopt;
    }
    files_.emplace(*name, fileName);
    available_.push_back(*name);
    return name;
}

void LanguageTexts::AddPicture(std::u16string_view fileName) {
    pictures_.emplace_back(fileName);
}

std::optional<std::u16string> LanguageTexts::LanguageFile(std::u16string_view displayName) const {
    const auto found = files_.find(displayName);
    if (found == files_.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<std::u16string> LanguageTexts::LanguagePicture(
    std::u16string_view displayName) const {
    const auto file = files_.find(displayName);
    if (file == files_.end()) {
        return std::nullopt;
    }
    const std::u16string_view stem = WithoutExtension(file->second);
    const auto picture = std::find_if(pictures_.begin(), pictures_.end(), [&](const auto& name) {
        return name != file->second && WithoutExtension(name) == stem;
    });
    if (picture == pictures_.end()) {
        return std::nullopt;
    }
    return *picture;
}

bool LanguageTexts::Select(std::u16string_view displayName) {
    if (!files_.contains(displayName)) {
        defaultMode_ = true;
        return false;
    }
    chosen_ = std::u16string(displayName);
    // A language chosen after a start in default mode must show: otherwise a language picked on
    // the settings page would stay English until the next start.
    defaultMode_ = false;
    return true;
}

std::optional<std::u16string> LanguageTexts::SelectedFile() const {
    if (defaultMode_ || !chosen_) {
        return std::nullopt;
    }
    return LanguageFile(*chosen_);
}

void LanguageTexts::LoadSelectedFrom(const std::optional<std::vector<std::uint8_t>>& fileBytes) {
    loaded_.clear();
    if (!SelectedFile() || !fileBytes || fileBytes->size() > kMaxLanguageFileBytes) {
        return;
    }
    loaded_ = ReadLanguageTexts(*fileBytes);
}

std::u16string LanguageTexts::Text(std::int32_t number) const {
    if (!defaultMode_) {
        if (const auto found = loaded_.find(number); found != loaded_.end()) {
            return found->second;
        }
    }
    if (const auto english = EnglishText(number)) {
        return std::u16string(*english);
    }
    return std::u16string(kMissingText);
}

}  // namespace tockly
