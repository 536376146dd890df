#pragma once
// A small writer of compact JSON for the inspector's output.

#include <cstdint>
#include <string>
#include <string_view>

namespace tockly::inspect {

class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    // Inside an object, every value is preceded by its key.
    void Key(std::string_view key);
    void String(std::u16string_view text);
    void Int(std::int64_t value);
    void Bool(bool value);
    void Null();

    const std::string& text() const { return text_; }

private:
    void BeforeValue();

    std::string text_;
    bool needsComma_ = false;
};

}  // namespace tockly::inspect
