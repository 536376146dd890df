#pragma once
// Where the program's data files live and how they are written. AppSettings provides it: it
// holds the one lock under which "settings.ini", "settings.dat" and the copies of a damaged
// "settings.dat" are written, so that no two of them are written at the same moment.

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tockly {

class DataFileWriter {
public:
    virtual ~DataFileWriter() = default;

    // The user's local application-data folder; the program's data folder is this + "\Tockly".
    virtual std::optional<std::u16string> AppDataFolder() const = 0;

    // Puts `bytes` in the place of the file at `path`; the old file stays until the new one is
    // complete.
    [[nodiscard]] virtual bool WriteDataFile(const std::u16string& path,
                                             std::span<const std::uint8_t> bytes) = 0;

    // Writes a file at `path` only where there is none: an existing file is never replaced.
    [[nodiscard]] virtual bool WriteNewDataFile(const std::u16string& path,
                                                std::span<const std::uint8_t> bytes) = 0;

protected:
    DataFileWriter() = default;
    DataFileWriter(const DataFileWriter&) = default;
    DataFileWriter& operator=(const DataFileWriter&) = default;
};

}  // namespace tockly
