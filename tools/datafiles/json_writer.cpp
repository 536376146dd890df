#include "datafiles/json_writer.h"

#include <cstdio>

#include "support/utf16.h"

namespace tockly::inspect {

void JsonWriter::BeforeValue() {
    if (needsComma_) {
        text_ += ',';
    }
    needsComma_ = true;
}

void JsonWriter::BeginObject() {
    BeforeValue();
    text_ += '{';
    needsComma_ = false;
}

void JsonWriter::EndObject() {
    text_ += '}';
    needsComma_ = true;
}

void JsonWriter::BeginArray() {
    BeforeValue();
    text_ += '[';
    needsComma_ = false;
}

void JsonWriter::EndArray() {
    text_ += ']';
    needsComma_ = true;
}

void JsonWriter::Key(std::string_view key) {
    BeforeValue();
    text_ += '"';
    text_ += key;
    text_ += "\":";
    needsComma_ = false;
}

void JsonWriter::String(std::u16string_view text) {
    BeforeValue();
    text_ += '"';
    for (char c : ToUtf8(text)) {
        switch (c) {
            case '"':
                text_ += "\\\"";
                break;
            case '\\':
                text_ += "\\\\";
                break;
            case '\n':
                text_ += "\\n";
                break;
            case '\r':
                text_ += "\\r";
                break;
            case '\t':
                text_ += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    text_ += escaped;
                } else {
                    text_ += c;
                }
        }
    }
    text_ += '"';
}

void JsonWriter::Int(std::int64_t value) {
    BeforeValue();
    text_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    text_ += value ? "true" : "false";
}

void JsonWriter::Null() {
    BeforeValue();
    text_ += "null";
}

}  // namespace tockly::inspect
