#pragma once
// The bytes of the task store file "settings.dat": an int32 with the file's whole length, then
// one section per TaskKind (an int32 count, then the tasks' fields in file order). Numbers are
// little-endian; strings are an int32 count of UTF-16 units and the UTF-16LE text, an empty one
// written as one space; time points are day, month, year, hour, minute, second.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "tasks/task_records.h"

namespace tockly {

inline constexpr std::size_t kStoreLengthFieldSize = 4;
// The length field and eight counts of 0.
inline constexpr std::size_t kEmptyStoreSize = kStoreLengthFieldSize + kTaskKindCount * 4;

std::vector<std::uint8_t> EncodeTaskStore(const TaskStore& store);

struct StoreDecodeResult {
    std::optional<TaskStore> store;
    std::string error;  // one line saying why the file was rejected; empty when it was not
    std::size_t ignoredBytes = 0;  // bytes after the last section of an accepted file
};

// Reads a whole file. Any damage rejects the file as a whole: a length field that is not the
// file's size, a count or a string that runs past the end, a negative count or length. Nothing is
// repaired. Bytes after the last section of a file whose length field is its size are ignored:
// the tasks before them load as they are. A bool byte other than 0 reads as true and a string of
// length 0 as the empty string: neither puts the fields after it in doubt.
StoreDecodeResult DecodeTaskStore(std::span<const std::uint8_t> bytes);

}  // namespace tockly
