#include "tasks/store_codec.h"

#include <gtest/gtest.h>

#include <string_view>

#include "task_samples.h"

namespace tockly {
namespace {

using Bytes = std::vector<std::uint8_t>;
using testing::SampleStore;

void Put(Bytes& out, std::int32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> shift));
    }
}
void Put(Bytes& out, const Bytes& raw) {
    out.insert(out.end(), raw.begin(), raw.end());
}
void Put(Bytes& out, std::u16string_view text) {
    Put(out, static_cast<std::int32_t>(text.size()));
    for (char16_t unit : text) {
        out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        out.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
}

// Store bytes written by hand from the file format, to check the encoder against: int32 numbers,
// Bytes (bools and inverted choices) and texts (the length, then the UTF-16LE units, with no
// stand-in for empty text), in file order.
template <typename... Items>
void Add(Bytes& out, const Items&... items) {
    (Put(out, items), ...);
}

// The length field, then the body.
template <typename... Items>
Bytes File(const Items&... body) {
    Bytes bytes;
    Add(bytes, body...);
    Bytes file;
    Add(file, static_cast<std::int32_t>(bytes.size() + 4), bytes);
    return file;
}

TEST(StoreCodec, AnEmptyStoreIsTheLengthAndEightZeroCounts) {
    const Bytes expected = File(0, 0, 0, 0, 0, 0, 0, 0);
    ASSERT_EQ(expected.size(), 36u);
    EXPECT_EQ(EncodeTaskStore(TaskStore{}), expected);
    EXPECT_EQ(DecodeTaskStore(expected).store, TaskStore{});
}

TEST(StoreCodec, EveryKindIsWrittenFieldByFieldInFileOrder) {
    // Each section: the count, then the fields. Time points are day, month, year, hour, minute,
    // second; choices stored inverted are marked.
    Bytes b;
    Add(b, 1, u"Backup \u00e9t\u00e9", Bytes{0} /*inverted*/, 28, 2, 2024, 22, 15, 0, 29, 2, 2024,
        1, 30, 45, u"C:\\Tools\\backup.exe", u"--all \"D:\\\"", u"C:\\Tools", u"4242",
        Bytes{1, 0, 1, 1, 1, 0}, -120, 640, 30);
    Add(b, 1, u"Shots", u"D:\\Pictures", u"screen_", 2, -1, 1, 31, 12, 2023, 23, 59, 0, 1, 1, 2024,
        0, 5, 0, 0, 1, 30, 2, 1, 15, 0 /*no days*/, Bytes{0, 1, 1, 0, 1}, 10, 20, 0, 17);
    Add(b, 1, u"Dial", Bytes{1} /*inverted*/, u"Office \u260e", Bytes{0} /*inverted*/, 1, 6, 2025,
        8, 0, 0, 1, 6, 2025, 9, 30, 15, 1, 30, 15, Bytes{1, 1, 0, 1, 1}, 1900, -5, 90);
    Add(b, 1, u"Night", 6, Bytes{1} /*inverted*/, 3, 11, 2024, 1, 0, 0, 5, 11, 2024, 3, 4, 5, 2, 2,
        4, 5, Bytes{1, 1, 0, 1, 1, 0}, 300, 400, 50);
    Add(b, 1, u"Tea", 1, 2, 3, 4, 93784, Bytes{1}, u"Tea is ready.\r\nEnjoy!", Bytes{1},
        u"C:\\Windows\\Media\\chimes.wav", Bytes{0} /*inverted*/, Bytes{1, 1, 1, 0, 1}, 5, 6, 10);
    Add(b, 1, u"Holidays", Bytes{0} /*inverted*/, 1, 7, 2024, 0, 0, 0, 15, 8, 2024, 18, 0, 0, 45,
        18, 0, 0, Bytes{1}, u"Off we go", Bytes{1}, u"bell.wav", Bytes{0, 0, 0, 1, 1, 0}, 700, 80,
        20);
    Add(b, 1, u"Note", u"Buy milk\r\n\U0001F95B and bread", 2, Bytes{1, 1}, 50, 60, 220, 180, 40);
    Add(b, 1, u"Run", 1, 2, 3, 3 /*checkpoints*/, 0, 10, 5, 0, 21, 40, 1, 2, 3, Bytes{1, 0, 1, 0},
        11, 12, 60);
    EXPECT_EQ(EncodeTaskStore(SampleStore()), File(b));
    const StoreDecodeResult result = DecodeTaskStore(File(b));
    EXPECT_EQ(result.store, SampleStore()) << result.error;
}

TEST(StoreCodec, OddBytesReadAsTheirChoicesAndEmptyTextIsStoredAsOneSpace) {
    // One Internet task: a length of 0 reads as empty text, a byte other than 0 as true and as
    // choice 0 where the choice is inverted.
    const Bytes file = File(0, 0, 1, u"t", Bytes{7}, u"", Bytes{2}, 1, 1, 2024, 0, 0, 0, 1, 1, 2024,
                            0, 0, 0, 0, 0, 0, Bytes{2, 2, 2, 0, 2}, 0, 0, 0, 0, 0, 0, 0, 0);
    const StoreDecodeResult result = DecodeTaskStore(file);
    ASSERT_TRUE(result.store.has_value()) << result.error;
    InternetTask task = result.store->internet.at(0);
    EXPECT_EQ(task.action, 0);
    EXPECT_EQ(task.atInChoice, 0);
    EXPECT_EQ(task.entryName, u"");
    EXPECT_TRUE(task.showProgressBar && task.removeAfterEnd && task.shown && task.alwaysOnTop);
    EXPECT_FALSE(task.running);

    // Saved again: a choice other than 0 or 1 as the byte of choice 1, the empty name as one
    // space, which is what it then loads as.
    task.action = 5;
    TaskStore store;
    store.internet.push_back(task);
    const Bytes saved = EncodeTaskStore(store);
    EXPECT_EQ(Bytes(saved.begin() + 16, saved.begin() + 29),
              (Bytes{1, 0, 0, 0, 't', 0, 0, 1, 0, 0, 0, ' ', 0}));
    EXPECT_EQ(DecodeTaskStore(saved).store->internet.at(0).entryName, u" ");
}

TEST(StoreCodec, WhatTheFileDoesNotHoldComesBackAsZero) {
    TaskStore store = SampleStore();
    store.application[0].target.millisecond = 500;
    store.printScreen[0].executeFor.days = 3;
    store.printScreen[0].repeatPeriod.days = 1;
    store.internet[0].delay.days = 2;
    store.stopwatch[0].elapsed.days = 4;
    store.stopwatch[0].checkpoints[0].days = 5;
    EXPECT_EQ(DecodeTaskStore(EncodeTaskStore(store)).store, SampleStore());
}

TEST(StoreCodec, ManyTasksRoundTripAndAFileCutShortAnywhereIsRejected) {
    const TaskStore many = testing::ManyTasks(25);
    EXPECT_EQ(DecodeTaskStore(EncodeTaskStore(many)).store, many);

    // Each cut gets a length field that fits, so only the sections can tell.
    const Bytes whole = EncodeTaskStore(testing::ManyTasks(2));
    for (std::size_t size = kEmptyStoreSize; size <= whole.size(); ++size) {
        const StoreDecodeResult result =
            DecodeTaskStore(File(Bytes(whole.begin() + 4, whole.begin() + size)));
        ASSERT_EQ(result.store.has_value(), size == whole.size()) << "cut to " << size;
        ASSERT_EQ(result.error.empty(), size == whole.size()) << "a rejection says why";
    }
}

TEST(StoreCodec, BytesAfterTheLastSectionAreIgnoredWhenTheLengthFieldCountsThem) {
    const TaskStore tasks = testing::ManyTasks(2);
    const Bytes whole = EncodeTaskStore(tasks);
    Bytes body(whole.begin() + 4, whole.end());
    Add(body, Bytes{0, 0xFF, 'x'});
    const StoreDecodeResult result = DecodeTaskStore(File(body));
    EXPECT_EQ(result.store, tasks) << result.error;
    EXPECT_EQ(result.ignoredBytes, 3u);
    EXPECT_EQ(DecodeTaskStore(whole).ignoredBytes, 0u);

    Bytes uncounted = whole;
    uncounted.push_back(0);
    EXPECT_FALSE(DecodeTaskStore(uncounted).store) << "the length field must still be the size";
}

}  // namespace
}  // namespace tockly
