#pragma once
// Builds task store bytes by hand, straight from the file format, to check the encoder against
// and to damage on purpose.

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace tockly::testing {

class StoreBytes {
public:
    StoreBytes& Int(std::int32_t value) {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int shift = 0; shift < 32; shift += 8) {
            bytes.push_back(static_cast<std::uint8_t>(bits >> shift));
        }
        return *this;
    }
    StoreBytes& Byte(std::uint8_t value) {
        bytes.push_back(value);
        return *this;
    }
    StoreBytes& Bytes(std::initializer_list<std::uint8_t> values) {
        bytes.insert(bytes.end(), values.begin(), values.end());
        return *this;
    }
    // The length in units, then the units; no stand-in for empty text.
    StoreBytes& Text(std::u16string_view text) {
        Int(static_cast<std::int32_t>(text.size()));
        for (char16_t unit : text) {
            bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
            bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
        }
        return *this;
    }
    // In file order: day, month, year, hour, minute, second.
    StoreBytes& Time(std::int32_t day, std::int32_t month, std::int32_t year, std::int32_t hour,
                     std::int32_t minute, std::int32_t second) {
        return Int(day).Int(month).Int(year).Int(hour).Int(minute).Int(second);
    }
    StoreBytes& Ints(std::initializer_list<std::int32_t> values) {
        for (std::int32_t value : values) {
            Int(value);
        }
        return *this;
    }
    // Puts the whole length in front (the bytes so far are the body).
    std::vector<std::uint8_t> File() const {
        StoreBytes file;
        file.Int(static_cast<std::int32_t>(bytes.size() + 4));
        file.bytes.insert(file.bytes.end(), bytes.begin(), bytes.end());
        return file.bytes;
    }

    std::vector<std::uint8_t> bytes;
};

// Sets the length field to the file's size again after an edit.
inline void FixLength(std::vector<std::uint8_t>& file) {
    const auto size = static_cast<std::uint32_t>(file.size());
    for (int i = 0; i < 4; ++i) {
        file[i] = static_cast<std::uint8_t>(size >> (8 * i));
    }
}

}  // namespace tockly::testing
